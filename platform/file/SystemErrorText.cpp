#include "SystemErrorText.h"

#include <cerrno>
#include <cstring>

namespace platform {

std::string SystemErrorText(int err) {
    switch (err) {
        case ENOENT: return "指定されたファイルまたはフォルダーが見つかりません";
        case EACCES:
        case EPERM: return "アクセスが拒否されました";
        case ENOSPC:
        case EDQUOT: return "ディスクの空き領域が不足しています";
        case EROFS: return "読み取り専用のファイル システムには書き込めません";
        case EMFILE:
        case ENFILE: return "開いているファイルが多すぎます";
        case EISDIR: return "指定された名前はフォルダーです";
        case ENOTSUP: return "指定された名前は通常のファイルではありません";
        case ENOTDIR: return "パスの途中の名前がフォルダーではありません";
        case ENAMETOOLONG: return "ファイル名が長すぎます";
        case EIO: return "入出力エラーが発生しました";
        default: break;
    }
    char text[256];
    const char* system = ::strerror_r(err, text, sizeof text);
    return system != nullptr && *system != '\0' ? system : "エラー " + std::to_string(err);
}

}  // namespace platform
