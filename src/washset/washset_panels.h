// The washable attributes panel and the set panel.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "app/panel.h"
#include "data/element_data.h"

namespace velkarin::washset {

// The lines of the washing panel for the record at recordPos.
app::PanelLines RenderWashPanel(const data::ElementData& data, std::int64_t recordPos);

// The first row of each ID of the listed items, built once per fill of the
// list so that naming a set's members costs no pass over the rows.
class FirstRowIndex {
 public:
  FirstRowIndex() = default;  // no rows
  explicit FirstRowIndex(std::span<const std::int32_t> equipIds);
  std::optional<std::size_t> FirstRow(std::int32_t equipId) const;

 private:
  std::vector<std::pair<std::int32_t, std::uint32_t>> firsts_;  // (ID, first row), sorted by ID
};

// The lines of the set panel for the record at recordPos; members are named
// from the listed items (equipIds and equipNames, in list order), each by the
// first row of its ID, which `rows` gives (built from equipIds).
app::PanelLines RenderSetPanel(const data::ElementData& data, std::int64_t recordPos,
                               std::span<const std::int32_t> equipIds,
                               std::span<const std::string> equipNames, const FirstRowIndex& rows);
// The same with the index built for this call.
app::PanelLines RenderSetPanel(const data::ElementData& data, std::int64_t recordPos,
                               std::span<const std::int32_t> equipIds,
                               std::span<const std::string> equipNames);

}  // namespace velkarin::washset
