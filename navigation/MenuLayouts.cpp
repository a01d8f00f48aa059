// The five picture menus as they are laid out: sizes and positions in dialog units,
// label texts, colours and the Chapter address behind every label.

#include <algorithm>

#include "base/Files.h"
#include "navigation/PictureMenus.h"

namespace kvx {

namespace {

constexpr int kLabelHeight = 17;
constexpr int kHeadingHeight = 12;
constexpr int kCloseWidth = 53, kCloseHeight = 15;

constexpr std::uint32_t kTaxBlue = 0x80A0FF;       // RGB(128,160,255)
constexpr std::uint32_t kFederalGreen = 0x00FF00;  // RGB(0,255,0)
constexpr std::uint32_t kStateYellow = 0xFFFFA0;   // RGB(255,255,160)
constexpr std::uint32_t kYellow = 0xFFFF00;        // RGB(255,255,0)
constexpr std::uint32_t kCyan = 0x00FFFF;          // RGB(0,255,255)
constexpr std::uint32_t kPaleYellow = 0xFFFFDC;    // RGB(255,255,220)

MenuLabel Label(std::string text, int x, int y, int width, std::uint32_t background,
                std::string address, int column) {
  MenuLabel label{std::move(text), Rect{x, y, width, kLabelHeight}, background, std::move(address)};
  label.column = column;
  return label;
}

MenuLayout Frame(int form, std::string subject, int width, int height, int pictureWidth,
                 int pictureHeight, int closeX, int closeY, std::uint32_t background) {
  MenuLayout m;
  m.name = "FORM" + std::to_string(form);
  m.subject = std::move(subject);
  m.width = width;
  m.height = height;
  m.background = background;
  m.picture = m.name + "_PICTURE1_BMP";
  m.pictureRect = Rect{0, 0, pictureWidth, pictureHeight};
  m.closeRect = Rect{closeX, closeY, kCloseWidth, kCloseHeight};
  return m;
}

Control Heading(std::string text, int x, int width) {
  Control c;
  c.kind = Control::Kind::Label;
  c.text = std::move(text);
  c.rect = Rect{x, 142, width, kHeadingHeight};
  c.background = kTaxBlue;
  c.bold = true;
  c.centred = true;
  return c;
}

MenuLayout TaxMatters(const std::string& stateName, const std::string& stateCode) {
  MenuLayout m = Frame(9, "Tax Matters", 331, 332, 334, 135, 136, 313, kTaxBlue);
  const std::string label = StateLabel(stateName, stateCode);
  m.headings.push_back(Heading("FEDERAL TAXES", 48, 80));
  m.headings.push_back(Heading(UpperAscii(stateName) + " TAXES", 157, 170));
  const std::string sales =
      label == "State" ? "Sales and Use Taxes" : label + " " + "Sales and Use Taxes";
  const std::string property = label == "D.C." ? "District" + std::string(" Property Taxes")
                                               : label + "/Local Property Taxes";
  struct Row {
    int y;
    const char* federal;
    const char* federalAddress;
    std::string state;
    const char* stateAddress;  // nullptr: decided by the entity at the click
  };
  const Row rows[] = {
      {156, "Income Taxes - Federal", "chap05.htm#05.05", label + " Income/Franchise Tax", nullptr},
      {179, "FICA (Soc. Sec.) Taxes", "chap06.htm#06.01", property, "chap05.htm#05.09"},
      {202, "Self-Employment Tax", "chap05.htm#05.06", sales, "chap05.htm#05.08"},
      {225, "Federal Unemployment Tax", "chap06.htm#06.02", label + " Unemployment Tax",
       "chap06.htm#STATE_UNEMP"},
      {248, "Federal Excise Taxes", "chap15.htm#15.02", "Misc. Other " + label + " Taxes",
       "statchap.htm#IV(f)"},
      {271, "Federal Estate && Gift Taxes", "chap16.htm#16.03", "State Inheritance/Gift Taxes",
       "chap16.htm#16.06"},
      {292, "Federal Wage Withholding", "chap06.htm#06.01", label + " Wage Withholding",
       "chap06.htm#STATE_WITHHOLD"},
  };
  for (const Row& r : rows) {
    m.labels.push_back(Label(r.federal, 24, r.y, 131, kFederalGreen, r.federalAddress, 0));
    MenuLabel state =
        Label(r.state, 176, r.y, 131, kStateYellow, r.stateAddress ? r.stateAddress : "", 1);
    state.byEntity = r.stateAddress == nullptr;
    m.labels.push_back(std::move(state));
  }
  return m;
}

MenuLayout LegalMatters(const std::string& stateName, const std::string& stateCode) {
  MenuLayout m = Frame(10, "Legal Matters", 325, 315, 327, 130, 134, 296, 0xB0C4DE);
  const std::string stateWord = stateCode == "DC" ? "Washington, DC" : stateName;
  struct Row {
    int y;
    const char* left;
    const char* leftAddress;
    std::string right;
    const char* rightAddress;
  };
  const Row rows[] = {
      {138, "ADA Discrimination Rules", "chap06.htm#06.10", "Multi-State Businesses",
       "chap14.htm#14.11"},
      {160, "Legal Form of the Business", "chap02.htm", "Anti-Spam Regulations",
       "chap08.htm#08.05"},
      {183, "Federal Licensing", "chap05.htm#05.04", "Telemarketing Restrictions",
       "chap09.htm#TELEMARKETING"},
      {206, "State and Local Licensing", "chap05.htm#05.02", "Credit Laws and Regulations",
       "chap09.htm#09.04"},
      {228, "Environmental Regulations", "chap07.htm", "Incorporation: " + stateWord,
       "statchap.htm#II(d)"},
      {251, "Federal Securities Laws", "chap05.htm#05.12", "Mail Order Sales Regulations",
       "chap09.htm#09.03"},
      {274, "Business Name Registration", "chap05.htm#05.10", "Truth-in-Lending && Usury Laws",
       "chap09.htm#TRUTH_LEND"},
  };
  for (const Row& r : rows) {
    m.labels.push_back(Label(r.left, 15, r.y, 141, kYellow, r.leftAddress, 0));
    m.labels.push_back(Label(r.right, 169, r.y, 141, kYellow, r.rightAddress, 1));
  }
  return m;
}

MenuLayout Employees() {
  MenuLayout m = Frame(11, "Employees", 273, 295, 275, 95, 112, 273, kPaleYellow);
  // Light colours in turn down each staircase.
  const std::uint32_t shades[] = {0xC0FFC0, 0xC0E0FF, 0xFFD0D0, 0xFFE8B0,
                                  0xE0C8FF, 0xB8F0F0, 0xF0F0A0};
  struct Entry {
    const char* text;
    int x, y, width;
    const char* address;
  };
  const Entry entries[] = {
      {"Wage-Hour Laws", 3, 108, 83, "chap06.htm#06.06"},
      {"Family Leave Act", 3, 130, 101, "chap06.htm#06.11"},
      {"Fair Employment Laws", 3, 155, 120, "chap06.htm#06.07"},
      {"Job Safety && Health (OSHA)", 3, 180, 139, "chap06.htm#06.05"},
      {"Employee Benefit Rules (ERISA)", 3, 202, 157, "chap06.htm#06.04"},
      {"Americans with Disabilities Act (ADA)", 3, 224, 176, "chap06.htm#06.10"},
      {"Independent Contractor or Employee?", 3, 249, 195, "chap06.htm#06.13"},
      {"Withholding and &Payroll Taxes", 96, 108, 173, "chap06.htm#06.01"},
      {"Workers' Compensation Insurance", 115, 130, 155, "chap06.htm#06.03"},
      {"Employees in the Military", 133, 155, 136, "chap06.htm#06.15"},
      {"Employee &References", 155, 180, 115, "chap06.htm#06.19"},
      {"Misc. State Laws", 171, 202, 99, "chap06.htm#06.18"},
      {"Report New Hires", 189, 224, 80, "chap06.htm#06.14"},
      {"WARN Act", 208, 249, 61, "chap06.htm#06.09"},
  };
  int i = 0;
  for (const Entry& e : entries) {
    // The left staircase starts at the left edge; the right one ends at the right edge.
    const int column = e.x == 3 ? 0 : 1;
    m.labels.push_back(Label(e.text, e.x, e.y, e.width, shades[i++ % 7], e.address, column));
  }
  return m;
}

MenuLayout Accounting() {
  MenuLayout m = Frame(12, "Accounting", 331, 250, 332, 116, 136, 227, 0xB0C4DE);
  struct Row {
    int y;
    const char* left;
    const char* leftAddress;
    const char* right;
    const char* rightAddress;
  };
  const Row rows[] = {
      {128, "Tax Accounting Method", "chap11.htm#11.03", "Managing Cash Flow", "chap11.htm#11.04"},
      {153, "Setting up Accounting System", "chap11.htm#11.01", "Depreciating Assets",
       "chap11.htm#11.02"},
      {177, "Internal Control Measures", "chap11.htm#11.05", "Inventory Valuation Methods",
       "chap11.htm#INVENTORY"},
      {202, "Accounting Firm Services", "chap11.htm#CPA_SERVICE", "Selecting a Fiscal Year",
       "chap14.htm#14.02"},
  };
  for (const Row& r : rows) {
    m.labels.push_back(Label(r.left, 11, r.y, 136, kYellow, r.leftAddress, 0));
    m.labels.push_back(Label(r.right, 181, r.y, 136, kYellow, r.rightAddress, 1));
  }
  return m;
}

MenuLayout OtherMatters() {
  MenuLayout m = Frame(13, "Other Matters", 331, 320, 332, 146, 141, 300, 0x5F9EA0);
  const int xs[] = {11, 117, 224};
  const int widths[] = {99, 99, 96};
  struct Row {
    int y;
    const char* text[3];
    const char* address[3];
  };
  const Row rows[] = {
      {155,
       {"Assistance", "Foreign Investors", "Protecting Assets"},
       {"chap17.htm", "chap09.htm#09.06", "chap09.htm#09.01"}},
      {180,
       {"Business Plan", "Franchises", "RFID Tags/Systems"},
       {"chap01.htm#BIZPLAN1", "chap03.htm#03.04", "chap08.htm#RFID"}},
      {204,
       {"Buying a Business", "Insurance Coverage", "Selecting a Location"},
       {"chap03.htm", "chap05.htm#05.11", "chap04.htm"}},
      {229,
       {"Estate Planning", "ISO-9000 Certification", "Signing a Lease"},
       {"chap16.htm", "chap08.htm#08.03", "chap01.htm#LEASE"}},
      {254,
       {"Elec. Data Interch.", "Market Feasibility", "Trademarks, Patents"},
       {"chap08.htm#08.04", "chap01.htm#01.05", "chap09.htm#09.02"}},
      {278,
       {"Financing Sources", "Prof.  Advisers", "Univ. Product Codes"},
       {"chap10.htm", "chap17.htm#17.01", "chap08.htm#08.02"}},
  };
  for (const Row& r : rows)
    for (int c = 0; c < 3; ++c)
      m.labels.push_back(Label(r.text[c], xs[c], r.y, widths[c], kCyan, r.address[c], c));
  return m;
}

}  // namespace

std::string StateLabel(const std::string& stateName, const std::string& stateCode) {
  if (stateCode == "DC") return "D.C.";
  return stateName.size() < 6 ? stateName : "State";
}

std::string IncomeFranchiseAddress(const std::string& generic, const std::string& entity) {
  if (generic == "Y") return "statchap.htm#IV(c)";
  std::string address = "statchap.htm#TAX_SOLE";
  if (entity.find("corp") != std::string::npos) address = "statchap.htm#TAX_CORP";
  if (entity.find("LLC") != std::string::npos) address = "statchap.htm#TAX_LLC";
  return address;
}

MenuLayout BuildMenuLayout(int form, const std::string& stateName, const std::string& stateCode) {
  MenuLayout m;
  switch (form) {
    case 9:
      m = TaxMatters(stateName, stateCode);
      break;
    case 10:
      m = LegalMatters(stateName, stateCode);
      break;
    case 11:
      m = Employees();
      break;
    case 12:
      m = Accounting();
      break;
    default:
      m = OtherMatters();
      break;
  }
  m.title = "Opusgrand in " + stateName;
  return m;
}

}  // namespace kvx
