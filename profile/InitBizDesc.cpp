#include "profile/InitBizDesc.h"

#include "profile/CompanyProfile.h"

namespace kvx {

CategoryNames DefaultCategoryNames() {
  return {"",
          "Retail Merchandising",
          "Wholesale Trade",
          "Manufacturing/Processing",
          "Mail Order Sales",
          "Construction/Contracting",
          "Publishing",
          "Computer Software",
          "Rentals--Real Estate",
          "Rentals--Equipment",
          "Real Estate Development",
          "Transportation",
          "Real Estate Broker / Agent",
          "Entertainment/Leisure",
          "Broadcasting",
          "Insurance Services",
          "Financial Services",
          "Electronic Data Processing",
          "Professional Services",
          "Business Services",
          "Consulting",
          "Agriculture/Farming",
          "Patent or Other Royalties",
          "Other Services",
          "Other Business",
          "Mining/Extraction"};
}

void InitBizDesc(CompanyProfile& profile) {
  profile.BizDesc = DefaultCategoryNames();
}

}  // namespace kvx
