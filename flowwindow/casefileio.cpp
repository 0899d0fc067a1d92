#include "casefileio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

namespace nusselt::flowwindow {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FlowConditions", text);
}

const QString kCaseFilter = QStringLiteral("Nusselt cases (*.json);;All files (*)");

} // namespace

void saveCase(QWidget *parent, const physics::CaseFile &caseFile)
{
    const QString path = QFileDialog::getSaveFileName(parent, tr("Save Case"), QString(), kCaseFilter);
    if (path.isEmpty())
        return;
    const std::string json = physics::toJson(caseFile);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(json.data(), static_cast<qint64>(json.size())) != static_cast<qint64>(json.size())
        || !file.commit()) {
        QMessageBox::warning(parent, tr("Save Case"), tr("Could not save %1: %2").arg(path, file.errorString()));
    }
}

std::optional<physics::CaseFile> openCase(QWidget *parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, tr("Open Case"), QString(), kCaseFilter);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::warning(parent, tr("Open Case"), tr("Could not open %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    std::string error;
    auto c = physics::fromJson(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
    if (!c)
        QMessageBox::warning(parent, tr("Open Case"), tr("%1 is not a case file: %2").arg(path, QString::fromStdString(error)));
    return c;
}

} // namespace nusselt::flowwindow
