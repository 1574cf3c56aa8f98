#include "QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>
#include <optional>

namespace platform {

namespace {

QLocale Japanese() { return QLocale(QLocale::Japanese, QLocale::Japan); }

// An environment variable set for a while and then put back as it was.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const QByteArray& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~EnvironmentOverride() {
        if (old_) {
            qputenv(name_, *old_);
        } else {
            qunsetenv(name_);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

// Texts of Qt's dialogs that its Japanese translation leaves in English.
class QtGapsTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override {
        struct Text {
            const char* context;
            const char* source;
            const char* japanese;
        };
        static const Text texts[] = {
            {"QAbstractFileIconProvider", "Folder", "フォルダー"},
            {"QAbstractFileIconProvider", "File Folder", "フォルダー"},
            {"QAbstractFileIconProvider", "Drive", "ドライブ"},
            {"QAbstractFileIconProvider", "Alias", "エイリアス"},
            {"QAbstractFileIconProvider", "Shortcut", "ショートカット"},
            {"QAbstractFileIconProvider", "Unknown", "不明"},
        };
        if (context == nullptr || sourceText == nullptr) return {};
        for (const Text& t : texts) {
            if (std::strcmp(context, t.context) == 0 && std::strcmp(sourceText, t.source) == 0) {
                return QString::fromUtf8(t.japanese);
            }
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void JapaneseLocaleSet() {
    {
        // Qt takes the system locale's formats from LC_ALL, else from the
        // category's own variable, else from LANG. Only the dates become
        // Japanese: numbers and the C library keep the user's setting.
        const QByteArray all = qgetenv("LC_ALL");
        std::optional<EnvironmentOverride> lang;
        std::optional<EnvironmentOverride> noAll;
        if (!all.isEmpty()) {
            lang.emplace("LANG", all);
            noAll.emplace("LC_ALL", QByteArray());
        }
        const EnvironmentOverride time("LC_TIME", "ja_JP.UTF-8");
        // The first question makes Qt read the environment; it keeps what
        // it read.
        (void)QLocale::system().dateTimeFormat(QLocale::ShortFormat);
    }
    QLocale::setDefault(Japanese());
}

QTranslator* QtJapaneseLoad(QCoreApplication& app) {
    QLocale::setDefault(Japanese());
    auto* translator = new QTranslator(&app);
    // "qt_ja" takes in qtbase_ja and the other modules' files.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(Japanese(), QStringLiteral("qt"), QStringLiteral("_"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    // Installed last, asked first; it answers only for what it knows.
    QCoreApplication::installTranslator(new QtGapsTranslator(translator));
    return translator;
}

}  // namespace platform
