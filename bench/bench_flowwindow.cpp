// What one keystroke in the Flow Conditions window costs: the cylinder in cross flow typed in,
// then a digit typed and erased in the velocity field, each re-evaluating the problem and
// re-showing every field and table. Beside it the floor: physics::evaluate of the same problem
// alone. With repaint: the same keystroke, then the event loop lays out and paints (offscreen).

#include "externalflow.h"
#include "flowconditions.h"
#include "offscreenmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

struct Session {
    ExternalFlow calculator;
    FlowConditions *window = nullptr;
    QLineEdit *velocity = nullptr;

    Session()
    {
        FlowConditions::attachTo(calculator);
        calculator.show();
        calculator.setSelection({nusselt::Geometry::Cylinder});
        window = FlowConditions::open(calculator);
        const auto set = [this](const char *name, const char *text) {
            window->findChild<QLineEdit *>(QLatin1String(name))->setText(QLatin1String(text));
        };
        set("VelocityEdit", "10");
        set("LengthEdit", "0.0127");
        set("FreeStreamTemperatureEdit", "26.2");
        set("SurfaceTemperatureEdit", "128.4");
        velocity = window->findChild<QLineEdit *>(QStringLiteral("VelocityEdit"));
        velocity->setFocus();
        velocity->end(false);
        QApplication::processEvents();
    }

    // Alternately types "1" at the end and erases it: every keystroke changes the text.
    void keystroke(bool type)
    {
        QKeyEvent press(QEvent::KeyPress, type ? Qt::Key_1 : Qt::Key_Backspace, Qt::NoModifier,
                        type ? QStringLiteral("1") : QString());
        QApplication::sendEvent(velocity, &press);
    }
};

Session &session()
{
    static Session s;
    return s;
}

void BM_EvaluateOnly(benchmark::State &state)
{
    const nusselt::physics::Problem problem = session().window->problem();
    for (auto _ : state) {
        auto e = nusselt::physics::evaluate(problem);
        benchmark::DoNotOptimize(e);
    }
}
BENCHMARK(BM_EvaluateOnly);

void BM_Keystroke(benchmark::State &state)
{
    Session &s = session();
    bool type = true;
    for (auto _ : state) {
        s.keystroke(type);
        type = !type;
    }
    if (!type)
        s.keystroke(false);
}
BENCHMARK(BM_Keystroke);

void BM_KeystrokeAndRepaint(benchmark::State &state)
{
    Session &s = session();
    bool type = true;
    for (auto _ : state) {
        s.keystroke(type);
        QApplication::processEvents();
        type = !type;
    }
    if (!type)
        s.keystroke(false);
}
BENCHMARK(BM_KeystrokeAndRepaint);

} // namespace

int main(int argc, char **argv)
{
    return runOffscreenBenchmarks(argc, argv);
}
