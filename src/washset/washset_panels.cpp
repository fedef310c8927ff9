#include "washset_panels.h"

namespace velkarin::washset {

app::PanelLines RenderWashPanel(const data::ElementData&, std::int64_t) { return {}; }

app::PanelLines RenderSetPanel(const data::ElementData&, std::int64_t, std::span<const std::int32_t>,
                               std::span<const std::string>) {
  return {};
}

}  // namespace velkarin::washset
