#include "SiblingPrograms.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <system_error>

namespace viewer::ui {

namespace {

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

SiblingPrograms SiblingProgramsFind(const std::string& programFolder) {
    SiblingPrograms found;
    found.CapturoPath = programFolder + "/" + kCapturoFile;
    found.DissectoPath = programFolder + "/" + kDissectoFile;
    found.CapturoFound = IsFile(found.CapturoPath);
    found.DissectoFound = IsFile(found.DissectoPath);
    return found;
}

bool ProgramStart(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), QStringList());
}

}  // namespace viewer::ui
