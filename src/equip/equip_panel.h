// The equipment attributes panel: every line of it, built from one record.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/panel.h"
#include "data/element_data.h"

namespace velkarin::equip {

// The lines of the equipment panel for the record at recordPos, with the
// item's name as listed (colour prefix included) and the refine box's text.
app::PanelLines RenderEquipPanel(const data::ElementData& data, std::int64_t recordPos,
                                 std::string_view listedName, std::string_view refineText);

}  // namespace velkarin::equip
