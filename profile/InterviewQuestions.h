#pragma once
// The texts of the interview's questions, built from the answers given so far. A lone
// CR breaks lines inside a box, as the boxes expect.

#include <string>

namespace kvx {

// name is the company being interviewed, entity its legal entity string.
std::string SoleOwnershipText(const std::string& name, const std::string& entity,
                              const std::string& stateCode, const std::string& stateName);
std::string CloselyHeldText(const std::string& name);
std::string RetirementPlanText(const std::string& name, const std::string& entity);
std::string WelfarePlansText(const std::string& name);
std::string ForeignInvestorsText(const std::string& name, const std::string& entity);
std::string FranchiseText(const std::string& name);
std::string ConfirmationText(const std::string& name, const std::string& stateName);

// The inventories question for business category (1 to 25) and its description.
struct InventoriesQuestion {
  std::string text;
  bool yesDefault = false;
};
// known: the company answered this before for the same category, stored being that
// answer ("Y" for Yes, anything else No).
InventoriesQuestion InventoriesText(int category, const std::string& description,
                                    const std::string& name, const std::string& entity, bool known,
                                    const std::string& stored);

}  // namespace kvx
