#include "editors/form_events.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace psn {
namespace {

class LeaveFilter : public QObject {
public:
    LeaveFilter(QWidget* widget, std::function<void()> handler)
        : QObject(widget), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            handler_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

} // namespace

void OnLeave(QWidget* widget, std::function<void()> handler) {
    widget->installEventFilter(new LeaveFilter(widget, std::move(handler)));
}

} // namespace psn
