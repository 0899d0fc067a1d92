#include "fluidbox.h"

#include "files.h"
#include "fluidstore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace nusselt::flowwindow {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FlowConditions", text);
}

QString fromStd(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

void addTableItems(QComboBox *box)
{
    box->addItem(tr("From file…"));
    for (const std::string &name : physics::keptFluids())
        box->addItem(fromStd(name));
}

std::shared_ptr<const physics::PropertyTable> keptTable(const std::string &name, std::string &error)
{
    const std::optional<std::string> file = physics::keptFluidFile(name);
    if (!file) {
        error = "no kept fluid " + name;
        return nullptr;
    }
    physics::TableRead read = physics::readPropertyTableFile(*file);
    if (!read.table) {
        error = *file + ": " + read.where();
        return nullptr;
    }
    return std::make_shared<const physics::PropertyTable>(std::move(*read.table));
}

std::shared_ptr<const physics::PropertyTable> importTable(QWidget *parent, QComboBox *box, const QString &path)
{
    const std::string file = QFile::encodeName(path).toStdString();
    std::string text, error;
    if (readBoundedFile(file, std::size_t{1} << 20, text, error) != BoundedRead::Read) {
        QMessageBox::warning(parent, tr("Fluid from a file"), tr("Could not read %1").arg(fromStd(error)));
        return nullptr;
    }
    physics::TableRead read = physics::readPropertyTable(text, physics::tableNameOf(file));
    if (!read.table) {
        QMessageBox::warning(parent, tr("Fluid from a file"),
                             tr("%1 is not a table of fluid properties: %2").arg(path, fromStd(read.where())));
        return nullptr;
    }
    if (const std::string why = physics::keepFluid(*read.table, text); !why.empty())
        QMessageBox::warning(parent, tr("Fluid from a file"),
                             tr("%1 is used now but could not be kept for next time: %2").arg(path, fromStd(why)));
    const QString name = fromStd(read.table->name());
    int index = box->findText(name, Qt::MatchExactly);
    if (index <= fromFileIndex) {
        box->addItem(name);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    return std::make_shared<const physics::PropertyTable>(std::move(*read.table));
}

void chooseTableFile(QWidget *parent, std::function<void(const QString &)> chosen, std::function<void()> cancelled)
{
    auto *dialog = new QFileDialog(parent, tr("Fluid from a file"));
    dialog->setObjectName(QStringLiteral("FluidFileDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({tr("Property tables (*.csv)"), tr("All files (*)")});
    QObject::connect(dialog, &QFileDialog::fileSelected, parent, std::move(chosen));
    QObject::connect(dialog, &QFileDialog::rejected, parent, std::move(cancelled));
    dialog->open();
}

} // namespace nusselt::flowwindow
