#include "FontMap.h"

#include <QStringList>

namespace platform {

namespace {

struct FontEntry {
    const char* key;  // the design name folded by Folded()
    const char* family;
    bool fixedPitch;
};

// Design names folded: half-width, upper case, without blanks.
constexpr FontEntry kFonts[] = {
    {"MS明朝", "IPAMincho", true},
    {"MSMINCHO", "IPAMincho", true},
    {"MSP明朝", "IPAPMincho", false},
    {"MSPMINCHO", "IPAPMincho", false},
    {"MSゴシック", "IPAGothic", true},
    {"MSGOTHIC", "IPAGothic", true},
    {"MSPゴシック", "IPAPGothic", false},
    {"MSPGOTHIC", "IPAPGothic", false},
};

QString Folded(const QString& name) {
    QString folded;
    for (QChar c : name) {
        // Full-width ASCII (U+FF01..U+FF5E) to its half-width letter.
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E) c = QChar(c.unicode() - 0xFEE0);
        if (c.isSpace()) continue;
        folded += c.toUpper();
    }
    return folded;
}

const FontEntry* Find(std::string_view designName) {
    const QString key = Folded(QString::fromUtf8(designName.data(), static_cast<qsizetype>(designName.size())));
    for (const FontEntry& entry : kFonts) {
        if (key == QString::fromUtf8(entry.key)) return &entry;
    }
    return nullptr;
}

}  // namespace

QString MappedFontFamily(std::string_view designName) {
    if (const FontEntry* entry = Find(designName)) return QString::fromLatin1(entry->family);
    return QString::fromUtf8(designName.data(), static_cast<qsizetype>(designName.size()));
}

QFont MappedFont(std::string_view designName, double pointSize) {
    QFont font;
    const FontEntry* entry = Find(designName);
    QStringList families{MappedFontFamily(designName)};
    // A listing laid out in columns must stay in columns when the face
    // is missing.
    if (entry != nullptr && entry->fixedPitch) families << QStringLiteral("IPAGothic");
    font.setFamilies(families);
    font.setFixedPitch(entry != nullptr && entry->fixedPitch);
    if (entry != nullptr && entry->fixedPitch) font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace platform
