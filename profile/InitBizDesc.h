#pragma once
// The 25 business categories: the number a data set stores and the name the
// business-type list shows for it.

#include <array>
#include <string>

namespace kvx {

struct CompanyProfile;

inline constexpr int kBizCategories = 25;

// Slots 1 to 25; slot 0 stays empty so that a slot reads as its category number.
using CategoryNames = std::array<std::string, kBizCategories + 1>;

// The categories' own names.
CategoryNames DefaultCategoryNames();

// Fills the profile's category-name table with the categories' own names.
void InitBizDesc(CompanyProfile& profile);

}  // namespace kvx
