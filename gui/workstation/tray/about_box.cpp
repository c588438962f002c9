#include "workstation/tray/about_box.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QVBoxLayout>

#include "common/number_helpers.h"
#include "workstation/process/program_version.h"
#include "workstation/tray/shell_open.h"

namespace ostrel {

namespace {

QString BuildNumber() {
    const QString version(kProgramVersion);
    return version.section('.', -1);
}

QString FileLink(const std::string& programFolder, const char* name) {
    const QString path = QString::fromStdString(programFolder) + name;
    return QString("<a href=\"%1\">%2</a>").arg(path.toHtmlEscaped(), QString(name));
}

}  // namespace

std::int64_t SystemUptimeSeconds() {
    QFile file("/proc/uptime");
    if (!file.open(QIODevice::ReadOnly)) return 0;
    return static_cast<std::int64_t>(file.readLine().split(' ').value(0).toDouble());
}

TfrmAbout::TfrmAbout(std::int64_t programUptimeSeconds, const std::string& programFolder,
                     QWidget* parent)
    : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Ostrel");
    auto* layout = new QVBoxLayout(this);
    auto* product = new QLabel("<b>Ostrel 3.0</b>", this);
    layout->addWidget(product);
    layout->addWidget(new QLabel(QString("Version %1").arg(kProgramVersion), this));
    layout->addWidget(new QLabel(QString("Build %1 (%2)").arg(BuildNumber(), __DATE__), this));
    layout->addWidget(new QLabel(
        QString::fromStdString("Ostrel uptime: " + FormatDuration(programUptimeSeconds)), this));
    layout->addWidget(new QLabel(
        QString::fromStdString("System uptime: " + FormatDuration(SystemUptimeSeconds())), this));
    auto* links = new QLabel(FileLink(programFolder, "readme.txt") + " &nbsp; " +
                                 FileLink(programFolder, "whatsnew.txt"),
                             this);
    connect(links, &QLabel::linkActivated, this,
            [](const QString& path) { ShellOpen(path.toStdString()); });
    layout->addWidget(links);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace ostrel
