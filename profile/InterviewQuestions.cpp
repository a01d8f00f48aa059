#include "profile/InterviewQuestions.h"

#include "base/Text.h"

namespace kvx {

namespace {

constexpr const char* CR = "\r";
constexpr const char* Q = "\"";

bool OneOf(int c, std::initializer_list<int> set) {
  for (int x : set)
    if (c == x) return true;
  return false;
}

// Community-property states, where a married couple's LLC may count as one owner.
bool CommunityProperty(const std::string& code) {
  for (const char* state : {"AZ", "CA", "ID", "LA", "NV", "NM", "TX", "WA", "WI"})
    if (code == state) return true;
  return false;
}

struct Note {
  std::string text;  // empty: no note
  bool yes = false;  // the probable answer
};

Note InventoriesNote(int c, const std::string& d, const std::string& n, const std::string& entity) {
  const std::string realEstateAlso =
      std::string("(ALSO NOTE: Real estate should not be considered ") + Q + "inventory," + Q +
      " for" + CR + "purposes of this question.)" + CR + CR;
  const std::string almostAlways =
      "(NOTE: Companies engaged in " + d + " will almost" + CR + "always have inventories.)";
  if (c == 1)
    return {std::string("Retail businesses include, for example, restaurants and shops.") + CR +
                CR + almostAlways,
            true};
  if (OneOf(c, {2, 3, 4, 25})) return {almostAlways, true};
  if (c == 5)
    return {std::string("(NOTE: ") + "Some construction/contracting businesses will have" + CR +
                "inventories, while others will not." + ")" + CR + CR + realEstateAlso,
            true};
  if (OneOf(c, {8, 10, 12}))
    return {std::string("(NOTE: ") +
                "Real estate businesses usually will not have merchandise inventories." + ")" + CR +
                CR + realEstateAlso,
            false};
  if (c == 6)
    return {std::string("(NOTE: A company in the publishing business may have inventories") + CR +
                "in many cases -- but not in all cases, depending on the nature of" + CR +
                "its operations.  For example, a book publisher will usually have" + CR +
                "an inventory of books, while a newsletter publisher usually would" + CR +
                "not have any inventories.)",
            true};
  if (c == 7)
    return {std::string("(NOTE: A company in the software business may have inventories in") + CR +
                "many cases -- but not in all cases, depending on the nature of its" + CR +
                "operations.  A company that licenses or leases its software to other" + CR +
                "businesses will typically NOT have any product inventories.)",
            true};
  if (c == 9)
    return {std::string("(NOTE: An equipment rental business would ordinarily NOT have") + CR +
                "inventories, although it could, in some instances.)",
            false};
  if (OneOf(c, {11, 14}))
    return {"(NOTE: A company in the " + d + " industry would NOT" + CR +
                "ordinarily have inventories.)",
            false};
  if (c == 13)
    return {"(NOTE: As a company in the " + d + " business," + CR + n + " " +
                "would not have inventories in many cases --" + CR +
                "but might, in some cases, depending upon the nature of its" + CR + "operations.)",
            false};
  if (OneOf(c, {15, 16, 17, 18, 19, 20, 23}))
    return {std::string("(NOTE: As a service business, it is VERY unlikely that") + CR + n +
                " would derive significant portions of its" + CR +
                "income from sales of inventory.)",
            false};
  if (c == 21) {
    std::string unless;
    if (Contains(entity, "partnership") || Contains(entity, "LLP"))
      unless = ", unless it has one or more corporate partners";
    else if (Contains(entity, "LLC"))
      unless = ", unless the LLC has one or more corporate members";
    return {std::string("(NOTE: Except in rare cases, farming businesses are not required,") + CR +
                "for tax purposes, to account for inventories, so you ordinarily" + CR +
                "would answer 'NO' to this question, if " + n + " is a" + CR + "farming business" +
                unless + ".)",
            false};
  }
  if (c == 22)
    return {std::string("(NOTE: As a business that derives its income mainly from royalties") + CR +
                "or sales of intellectual property, it is unlikely that " + n + CR +
                "would generate significant portions of its income from sales of" + CR +
                "inventory.)",
            false};
  return {};  // 24, and anything unknown: no note, No
}

}  // namespace

std::string SoleOwnershipText(const std::string& name, const std::string& entity,
                              const std::string& stateCode, const std::string& stateName) {
  const bool corp = StartsWith(entity, "corp");
  std::string text = "IS " + UpperAscii(name) + " (" + (corp ? "a " : "an ") + entity +
                     ") OWNED ENTIRELY BY ONE PERSON? " + CR + CR;
  if (CommunityProperty(stateCode) && entity == "LLC")
    text += std::string("NOTE:  You can answer this as 'YES' if owned by one person and") + CR +
            "his/her spouse as community property, since the IRS will treat such" + CR +
            "ownership by a married couple as though it is ownership by one person," + CR +
            "for certain tax purposes, unless the couple choose to treat the LLC" + CR +
            "as a partnership for tax purposes, in which case you should answer" + CR + "'NO.' (" +
            stateName + " is a community property state.)";
  else if (corp)
    text += "NOTE: If " + name + ", a C corporation, has only one" + CR +
            "stockholder, but that stockholder is some type of entity (LLC," + CR +
            "partnership or corporation) that itself is owned or controlled," + CR +
            "directly or indirectly by two or more individuals, you should" + CR +
            "answer this question as 'NO' -- even though the corporation" + CR +
            "actually has only that one direct owner. See the 'HELP' files" + CR +
            "for how to answer this question and for how to answer the" + CR +
            "'Closely-held C corporation?' question, for a more detailed" + CR +
            "discussion regarding both questions.";
  return text;
}

std::string CloselyHeldText(const std::string& name) {
  return std::string("(This is a somewhat techical tax question, to try to determine if") + CR +
         name + " is a 'closely-held C corporation' for federal" + CR +
         "income tax purposes, but answer it as best you can.)" + CR + CR +
         "DO 5 OR FEWER INDIVIDUALS OWN MORE THAN 50% OF THE COMPANY'S" + CR +
         "STOCK, DIRECTLY OR INDIRECTLY?" + CR + CR +
         "NOTE: Indirect ownership would include ownership by a spouse" + CR +
         "or parent or child, or through another corporation or other entity" + CR +
         "controlled by the individual, for example. Consider such a family" + CR +
         "group as one individual. (Thus, if 5 such family groups each own" + CR +
         "11% of the stock, you would answer " + Q + "YES" + Q + " to this question.)" + CR + CR +
         "The usual correct answer to this question will be " + Q + "YES," + Q + " for a typical" +
         CR + "small business. You should only answer " + Q + "NO" + Q +
         " if the stock is owned by" + CR +
         "a fairly large number of unrelated individuals or entities, with no big" + CR +
         "stockholder or small group of stockholders owning or controlling a" + CR +
         "majority of the stock.";
}

std::string RetirementPlanText(const std::string& name, const std::string& entity) {
  std::string text;
  if (Contains(entity, "corp"))
    text = "Does " + name + " have (or will it have) a" + CR + Q + "tax-qualified" + Q +
           " corporate pension or sharing plan?";
  else if (Contains(entity, "sole p"))
    text = "Does the sole proprietor who owns " + name + " have (or" + CR +
           "will he/she have) a tax-qualified Keogh retirement plan?";
  else
    text = "Does " + name + " have (or will it have) a" + CR +
           " tax-qualified Keogh pension or profit sharing plan?";
  return text + CR + CR + "(Not counting any IRA, SEP, SEP-IRA, or " + Q + "SIMPLE" + Q +
         " retirement plans.)";
}

std::string WelfarePlansText(const std::string& name) {
  return "Does " + name + " have (or will it have) one or more employee" + CR +
         "welfare benefit plans (such as group life insurance, medical, etc.)?";
}

std::string ForeignInvestorsText(const std::string& name, const std::string& entity) {
  const char* owner = (Contains(entity, "partner") || Contains(entity, "LLP")) ? "partner"
                      : Contains(entity, "corporation")                        ? "stockholder"
                                                                               : "member";
  return "Is " + name + " an entity created or based in a foreign" + CR +
         "country, or one that has (or will have) any foreign investors?" + CR + CR +
         "(NOTE: If, for example, the " + entity + " has a foreign " + owner + "," + CR +
         "or is a foreign company, answer this question as " + Q + "YES." + Q + ")" + CR + CR +
         "A resident (legal) alien individual is not considered a 'foreign'" + CR + "person.";
}

std::string FranchiseText(const std::string& name) {
  return "Is the business operated by " + name + " a franchise? (Such as" + CR +
         "McDonald's, Burger King, etc.)";
}

std::string ConfirmationText(const std::string& name, const std::string& stateName) {
  return std::string("Interview is complete; we are ready now to create/install a") + CR +
         "customized version of Opusgrand in" + CR + stateName + " on your computer." + CR + CR +
         "DO YOU WANT TO CREATE THE BOOK FILES (ON DISC) NOW?" + CR +
         "(This takes about 2 or 3 seconds, on a typical computer.)" + CR + CR + "(If you answer " +
         Q + "NO," + Q + " the set of data for " + name + " that was" + CR +
         "just obtained from this interview will be ERASED from memory.)";
}

InventoriesQuestion InventoriesText(int category, const std::string& description,
                                    const std::string& name, const std::string& entity, bool known,
                                    const std::string& stored) {
  const Note note = InventoriesNote(category, LowerAscii(description), name, entity);
  InventoriesQuestion q;
  q.yesDefault = known ? stored == "Y" : note.yes;
  q.text = "DOES " + UpperAscii(name) + " HAVE INVENTORIES?  That is, does it" + CR +
           "derive a significant part of its gross income from the sale of goods" + CR +
           "that are held in inventory, or does it maintain a significant" + CR +
           "inventory of supplies that are inventoried?";
  if (note.text.empty()) return q;
  q.text += std::string(CR) + CR + note.text;
  const std::string answer = std::string(Q) + (q.yesDefault ? "YES." : "NO.") + Q;
  if (known)
    q.text += std::string(CR) + CR + "(Your previous answer to this question for " + name +
              " was " + answer + ")";
  else if (category < 5 || category > 7)
    q.text += std::string(CR) + CR + "(Probable correct answer to this question for " + name +
              " is " + answer + ")";
  return q;
}

}  // namespace kvx
