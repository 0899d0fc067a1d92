#pragma once

// Helpers for driving the calculator as a user does: open a combo popup and pick with the keys,
// type into fields, click the button, and read (then dismiss) the warning boxes it raises.

#include "externalflow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <utility>
#include <QtTest>

// Reads the dialog's private state; a friend of ExternalFlow, for tests only.
class ExternalFlowTestAccess
{
public:
    explicit ExternalFlowTestAccess(ExternalFlow &dialog) : d(dialog) {}
    Ui_ExternalFlow &ui() { return d.ui; }
    int geometryType() const { return d.geometryType; }
    int heatCondition() const { return d.heatCondition; }
    int flowCondition() const { return d.flowCondition; }
    int fluidType() const { return d.fluidType; }
    int sphereType() const { return d.sphereType; }
    // {geometry, heat, flow, fluid, sphere}, for one-line comparisons.
    QList<int> selection() const
    {
        return {d.geometryType, d.heatCondition, d.flowCondition, d.fluidType, d.sphereType};
    }

private:
    ExternalFlow &d;
};

namespace guitest {

// What a warning box showed.
struct Box {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
    bool hasDefaultButton = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

inline Box describe(QMessageBox *box)
{
    Box b;
    b.title = box->windowTitle();
    b.text = box->text();
    b.buttons = box->standardButtons();
    b.hasDefaultButton = box->defaultButton() != nullptr;
    b.icon = box->icon();
    return b;
}

// Closes a box as a user would: press its Ok button, else Escape.
inline void dismiss(QMessageBox *box)
{
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        QTest::keyClick(box, Qt::Key_Escape);
}

// Whether a catchBoxes() is running: the watchdog below leaves its boxes to it, however late a
// loaded machine lets the catcher's timer fire.
inline bool &catching()
{
    static bool flag = false;
    return flag;
}

// Runs an action while catching every modal message box it opens: each is read, then dismissed.
// A zero-interval timer armed before the action fires inside the box's own event loop.
template <typename Action>
QList<Box> catchBoxes(Action action)
{
    const bool outer = std::exchange(catching(), true);
    QList<Box> seen;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            seen.append(describe(box));
            dismiss(box);
        }
    });
    poll.start();
    action();
    poll.stop();
    catching() = outer;
    return seen;
}

// Fails nothing by itself: it closes any modal widget that shows up while no catchBoxes() is
// running and remembers it, so that the test's cleanup can fail instead of the run hanging.
class ModalWatchdog : public QObject
{
public:
    ModalWatchdog()
    {
        timer.setInterval(50);
        QObject::connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || !w->isVisible() || catching())
                return;
            if (auto *box = qobject_cast<QMessageBox *>(w)) {
                unexpected.append(box->windowTitle() + QStringLiteral(": ") + box->text());
                dismiss(box);
            } else {
                unexpected.append(w->metaObject()->className());
                w->close();
            }
        });
        timer.start();
    }
    // The boxes met since the last call.
    QStringList take() { return std::exchange(unexpected, {}); }

private:
    QTimer timer;
    QStringList unexpected;
};

// Picks the item with this exact text as a user does: F4 opens the popup, the arrow keys move,
// Return chooses. Returns false (and chooses nothing) when the combo box does not open, for
// instance because it is disabled. Choosing the item already shown still activates it.
inline bool choose(QComboBox *combo, const QString &text)
{
    const int target = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0 || !combo->isVisible())
        return false;
    QAbstractItemView *view = combo->view();
    QTest::keyClick(combo, Qt::Key_F4);
    if (!QTest::qWaitFor([view] { return view->isVisible(); }, 300))
        return false;
    int row = view->currentIndex().row();
    while (row < target) {
        QTest::keyClick(view, Qt::Key_Down);
        ++row;
    }
    while (row > target) {
        QTest::keyClick(view, Qt::Key_Up);
        --row;
    }
    if (view->currentIndex().row() != target)
        return false;
    QTest::keyClick(view, Qt::Key_Return);
    return QTest::qWaitFor([view] { return !view->isVisible(); }, 1000);
}

// Replaces a field's text by typing, as a user who selects all and types over it.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    if (!text.isEmpty())
        QTest::keyClicks(edit, text);
}

// Clicks a button; returns the warning boxes that the click raised.
inline QList<Box> click(QAbstractButton *button)
{
    return catchBoxes([button] { QTest::mouseClick(button, Qt::LeftButton); });
}

// Every line edit of the calculator gets a text of its own, so that any write, clearing
// included, shows in a snapshot.
inline void markLineEdits(ExternalFlow &dialog)
{
    for (QLineEdit *e : dialog.findChildren<QLineEdit *>())
        e->setText(QLatin1Char('<') + e->objectName() + QLatin1Char('>'));
}

// Everything a choice could change in the calculator: enabled states, line-edit and label texts,
// shown items, and the selection codes.
inline QMap<QString, QString> snapshot(ExternalFlow &dialog)
{
    QMap<QString, QString> s;
    ExternalFlowTestAccess access(dialog);
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->parentWidget() != access.ui().layoutWidget)
            continue;
        s[w->objectName() + QStringLiteral(".enabled")] = w->isEnabled() ? QStringLiteral("on") : QStringLiteral("off");
        if (auto *e = qobject_cast<QLineEdit *>(w))
            s[w->objectName() + QStringLiteral(".text")] = e->text();
        if (auto *c = qobject_cast<QComboBox *>(w))
            s[w->objectName() + QStringLiteral(".shown")] = c->currentText();
        if (auto *l = qobject_cast<QLabel *>(w))
            s[w->objectName() + QStringLiteral(".text")] = l->text();
    }
    const QList<int> sel = access.selection();
    s[QStringLiteral("selection")] =
        QStringLiteral("%1 %2 %3 %4 %5").arg(sel[0]).arg(sel[1]).arg(sel[2]).arg(sel[3]).arg(sel[4]);
    return s;
}

// A snapshot as "name.what = value" lines, for comparisons that name what differs.
inline QStringList lines(const QMap<QString, QString> &snapshot)
{
    QStringList out;
    for (auto it = snapshot.cbegin(); it != snapshot.cend(); ++it)
        out << it.key() + QStringLiteral(" = ") + it.value();
    return out;
}

// The offscreen platform says that it cannot raise windows or grab the keyboard each time a popup
// opens; that is no finding of a test. Call once, from initTestCase.
inline void quietOffscreenNotices()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        if (!text.startsWith(QLatin1String("This plugin does not support")))
            next(type, context, text);
    });
}

// The Alt+letter keys of one window that lead to more than one place, one line per key naming
// its widgets ("Alt+C: &Copy (SweepCopy), S&cale: (SweepScaleLabel)"), and labels that mark a
// letter without a buddy to take the focus. Walks the labels, buttons (check boxes included)
// and group boxes the window shows now, or with Hidden::Too also those it hides for the case
// chosen now (a key must not change its place when a field comes back), not those of windows
// opened from it. Empty: every mnemonic is the window's only one.
enum class Hidden { Left, Too };
inline QStringList repeatedMnemonics(QWidget *window, Hidden hidden = Hidden::Left)
{
    QMap<QString, QStringList> users;
    QStringList faults;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->window() != window || (hidden == Hidden::Left && !w->isVisibleTo(window)))
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            if (!label->buddy() && !QKeySequence::mnemonic(text).isEmpty())
                faults << QStringLiteral("%1 (%2) has no buddy").arg(text, w->objectName());
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            text = group->title();
        }
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            users[key.toString()] << QStringLiteral("%1 (%2)").arg(text, w->objectName());
    }
    for (auto it = users.cbegin(); it != users.cend(); ++it)
        if (it.value().size() > 1)
            faults << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    return faults;
}

} // namespace guitest

// QTEST_MAIN that runs headless wherever no platform is asked for, so that a test program started
// by hand from a terminal without a display behaves as under CTest.
#define NUSSELT_GUI_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
