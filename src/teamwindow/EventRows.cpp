#include "teamwindow/EventRows.h"

namespace krv {

const std::array<ListColumn, kEventColumnCount> kEventColumns = {{{"Ereignisse", 500, false}}};

}  // namespace krv
