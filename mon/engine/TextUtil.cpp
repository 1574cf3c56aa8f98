#include "TextUtil.h"

#include <cmath>

#include "his/store/CodeTable.h"
#include "his/store/CodeTableStrings.h"
#include "his/store/SharedFunctions.h"

namespace mon {

namespace {

// Clear of a task bar at the bottom, and of the screen's right edge.
constexpr int kBottomClearance = 500;
constexpr int kRightClearance = 100;
// How far a sub-window opens down and right of its owner.
constexpr int kCascade = 300;
// How far a picker opens beside the pointer, so it does not cover the cell.
constexpr float kPickerGap = 600;

// Halves truncate toward zero, as the old forms' integer division did.
platform::TwipsRect CentredOnMain(const SubFormContext& where, int width, int height) {
    const platform::TwipsRect& main = where.main;
    int top = main.top + (main.height - height) / 2;
    if (top + height > where.screenHeight) top = where.screenHeight - height - kBottomClearance;
    int left = main.left + (main.width - width) / 2;
    if (left + width > where.screenWidth) left = where.screenWidth - width - kRightClearance;
    return {left, top, width, height};
}

platform::TwipsRect BesidePointer(const SubFormContext& where, int width, int height) {
    const float bottom = static_cast<float>(where.screenHeight - kBottomClearance);
    const float top = where.anchorY + static_cast<float>(height) <= bottom
                          ? where.anchorY
                          : bottom - static_cast<float>(height);
    const float right = where.anchorX + kPickerGap;
    const float left = right + static_cast<float>(width) <= static_cast<float>(where.screenWidth)
                           ? right
                           : where.anchorX - kPickerGap - static_cast<float>(width);
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)), width, height};
}

platform::TwipsRect BelowOwner(const SubFormContext& where, int width, int height) {
    int top = where.owner.top + kCascade;
    if (top + height > where.screenHeight - kBottomClearance) {
        top = where.screenHeight - height - kBottomClearance;
    }
    int left = where.owner.left + kCascade;
    if (left + width > where.screenWidth) left = where.screenWidth - width - kRightClearance;
    return {left, top, width, height};
}

}  // namespace

SubFormKind SubFormKindOf(std::string_view formName) {
    if (formName == "frmMessage") return SubFormKind::Message;
    if (formName == "frmString" || formName == "frmCode") return SubFormKind::Picker;
    return SubFormKind::Other;
}

platform::TwipsRect SubFormPlace(const SubFormContext& where, SubFormKind kind, int width,
                                 int height) {
    switch (kind) {
        case SubFormKind::Message:
            return CentredOnMain(where, width, height);
        case SubFormKind::Picker:
            return BesidePointer(where, width, height);
        case SubFormKind::Other:
            break;
    }
    return BelowOwner(where, width, height);
}

platform::TwipsRect SubFormPlace(const SubFormContext& where, std::string_view formName, int width,
                                 int height) {
    return SubFormPlace(where, SubFormKindOf(formName), width, height);
}

std::string DriveNotReadyText(const std::string& drive) {
    std::string name = drive;
    // The drive's name is followed by its own separator: "D:" + "\\", and
    // a mount point ending in "/" is not given two.
    if (!name.empty() && (name.back() == '/' || name.back() == '\\')) name.pop_back();
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return name + "\\ にアクセスできません。\r\n\r\nデバイスの準備ができていません。";
}

std::string CodeFieldCut(std::string& text) {
    std::string field = store::CutCommaField(text);
    return field.empty() ? "  " : field;
}

void CodeTableBuild() {
    for (int value = 0; value < store::kCodeTableStringCount; ++value) {
        std::string text = store::CodeTableString(value);
        for (auto& form : store::CodeTable) form[static_cast<size_t>(value)] = CodeFieldCut(text);
    }
}

size_t Utf8Length(std::string_view text) {
    size_t count = 0;
    for (const char c : text) {
        // Continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace mon
