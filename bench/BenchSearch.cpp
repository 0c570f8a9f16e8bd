#include "BenchSearch.h"

#include "search/ConditionSet.h"
#include "search/ProximitySearch.h"
#include "search/ToolbarCriteria.h"

namespace bench {

search::SearchResult SearchFor(search::ConditionSet& conditions, const std::string& criteria) {
  conditions.UseSummaryTexts(*search::ToolbarConditionTexts(criteria, true));
  conditions.ParseConditionText(0);
  return search::RunSearch(conditions, 0, SearchSpan);
}

}  // namespace bench
