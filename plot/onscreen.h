#pragma once

// Windows of the plot module open within the available area of their screen (the desktop less its
// panels and taskbars): smaller where they would not fit, moved in where they would stick out.

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace nusselt::plot {

inline void keepOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The window manager's frame is known once the window is shown; until then allow for a title bar.
    const QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    const QMargins margins = frame != inner
        ? QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                   frame.bottom() - inner.bottom())
        : QMargins(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
    const QSize room = area.marginsRemoved(margins).size();
    window->resize(window->size().boundedTo(room));
    const QSize outer = window->size().grownBy(margins);
    const int x = std::clamp(window->x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(window->y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    window->move(x, y);
}

} // namespace nusselt::plot
