#include "casefileio.h"

#include "files.h"

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
    // Read as the command line reads a case: a regular file of at most caseFileSizeLimit bytes,
    // never more than that in memory (a fifo, a device or a folder is refused unread).
    std::string text;
    std::string error;
    const std::string name = QFile::encodeName(path).toStdString();
    if (readBoundedFile(name, physics::caseFileSizeLimit, text, error) != BoundedRead::Read) {
        QMessageBox::warning(parent, tr("Open Case"),
                             tr("Could not open the case %1").arg(QString::fromLocal8Bit(error.c_str())));
        return std::nullopt;
    }
    auto c = physics::fromJson(text, error);
    if (!c)
        QMessageBox::warning(parent, tr("Open Case"), tr("%1 is not a case file: %2").arg(path, QString::fromStdString(error)));
    return c;
}

} // namespace nusselt::flowwindow
