#include "equip_panel.h"

namespace velkarin::equip {

app::PanelLines RenderEquipPanel(const data::ElementData&, std::int64_t, std::string_view,
                                 std::string_view) {
  return {};
}

}  // namespace velkarin::equip
