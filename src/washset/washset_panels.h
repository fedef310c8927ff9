// The washable attributes panel and the set panel.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "app/panel.h"
#include "data/element_data.h"

namespace velkarin::washset {

// The lines of the washing panel for the record at recordPos.
app::PanelLines RenderWashPanel(const data::ElementData& data, std::int64_t recordPos);

// The lines of the set panel for the record at recordPos; members are named
// from the listed items (equipIds and equipNames, in list order).
app::PanelLines RenderSetPanel(const data::ElementData& data, std::int64_t recordPos,
                               std::span<const std::int32_t> equipIds,
                               std::span<const std::string> equipNames);

}  // namespace velkarin::washset
