// Leave handlers: a box's handler runs whenever the focus moves away from it, changed or not,
// except when the focus only moves into the box's own drop-down list.
#pragma once

#include <functional>

class QWidget;

namespace psn {

void OnLeave(QWidget* widget, std::function<void()> handler);

} // namespace psn
