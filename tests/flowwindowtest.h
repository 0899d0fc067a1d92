#pragma once

// What the Flow Conditions tests share: the calculator started as the program starts it, with its
// ways to the window attached; the window opened with Ctrl+Shift+F; choices made in either window
// as a user makes them (open the popup and pick); fields typed into; the results table read by its
// column captions; and file dialogs answered.

#include "guitest.h"

#include "flowconditions.h"

#include <QFileDialog>
#include <QLabel>
#include <QTableWidget>

#include <memory>

// Runs an action that opens a file dialog, and answers it with the path.
template <typename Action>
bool answerFileDialog(const QString &path, Action action)
{
    bool answered = false;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&answered, &path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || answered)
            return;
        answered = true;
        // Qt's own dialog, answered through its API: on the offscreen platform its file list
        // keeps a directory current and its button stays "Open", whatever is typed.
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    poll.start();
    action();
    poll.stop();
    return answered;
}

// The fixture: each test's class derives from it and forwards init and cleanup to start and finish.
class FlowWindowTest : public QObject
{
protected:
    void start()
    {
        dialog = std::make_unique<ExternalFlow>();
        FlowConditions::attachTo(*dialog);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        window = nullptr;
    }

    void finish()
    {
        dialog.reset();
        const QStringList unexpected = watchdog->take();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    FlowConditions *openWithShortcut()
    {
        dialog->activateWindow();
        QTest::keyClick(dialog.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        return dialog->findChild<FlowConditions *>();
    }

    // Items of the calculator's combo boxes, chosen in order.
    void pick(const QStringList &items)
    {
        ExternalFlowTestAccess access(*dialog);
        auto &ui = access.ui();
        for (const QString &item : items) {
            bool chosen = false;
            for (QComboBox *c : {ui.GeometryCombo, ui.UniformTempCombo, ui.TurbulantCombo, ui.LiquidMetalCombo,
                                 ui.SphereCombo}) {
                if (c->findText(item) >= 0) {
                    chosen = guitest::choose(c, item);
                    break;
                }
            }
            QVERIFY2(chosen, qPrintable("could not choose " + item));
        }
    }

    // "Box=item": the window's case boxes, chosen in order.
    void pickInWindow(const QStringList &choices)
    {
        for (const QString &choice : choices) {
            QComboBox *b = box(choice.section('=', 0, 0));
            QVERIFY2(b && guitest::choose(b, choice.section('=', 1)), qPrintable("could not choose " + choice));
        }
    }

    // A case box of the window, by the name a screen reader announces.
    QComboBox *box(const QString &name)
    {
        for (QComboBox *c : window->findChildren<QComboBox *>())
            if (c->accessibleName() == name)
                return c;
        return nullptr;
    }

    // Per case box: its item, or "-" when none; in brackets when it is shut.
    QString boxStates()
    {
        QStringList states;
        for (const char *name : {"Geometry", "Heat flow condition", "Flow condition", "Fluid type", "Sphere"}) {
            QComboBox *b = box(QLatin1String(name));
            const QString shown = b->currentIndex() < 0 ? QStringLiteral("-") : b->currentText();
            states << (b->isEnabled() ? shown : "(" + shown + ")");
        }
        return states.join(" | ");
    }

    // The results table's row of a correlation (and kind), its cells by column caption.
    int row(const QString &name, const QString &kind = {})
    {
        for (int r = 0; r < results()->rowCount(); ++r) {
            if (cell(r, "Correlation") == name && (kind.isEmpty() || cell(r, "Kind") == kind))
                return r;
        }
        return -1;
    }

    QTableWidgetItem *cellItem(int r, const QString &header)
    {
        QTableWidget *t = results();
        for (int c = 0; c < t->columnCount(); ++c) {
            if (t->horizontalHeaderItem(c)->text().section(' ', 0, 0) == header)
                return t->item(r, c);
        }
        return nullptr;
    }

    QString cell(int r, const QString &header)
    {
        QTableWidgetItem *i = cellItem(r, header);
        return i ? i->text() : QStringLiteral("<no column %1>").arg(header);
    }

    void type(const QString &field, const QString &text) { guitest::typeInto(edit(field), text); }
    QLineEdit *edit(const QString &field) { return window->findChild<QLineEdit *>(field + "Edit"); }
    QComboBox *unit(const QString &field) { return window->findChild<QComboBox *>(field + "Unit"); }
    QLabel *message(const QString &field) { return window->findChild<QLabel *>(field + "Message"); }
    QTableWidget *results() { return window->findChild<QTableWidget *>("ResultsTable"); }
    double value(int r, const QString &header) { return cellItem(r, header)->data(Qt::UserRole).toDouble(); }

    std::unique_ptr<guitest::ModalWatchdog> watchdog = std::make_unique<guitest::ModalWatchdog>();
    std::unique_ptr<ExternalFlow> dialog;
    FlowConditions *window = nullptr;
};
