// The texts the definition editors show: captions, list entries and
// messages, in one place so that the windows and their rules agree.
#pragma once

namespace analyser::editors {

inline constexpr char kEditorTitle[] = "Nubera Pro";

// --- frame configuration editor ------------------------------------------------
inline constexpr char kUntitled[] = "無題";
inline constexpr char kFrameMakeCaption[] = "フレーム構成作成 - ";

inline constexpr char kTypeCode[] = "コード";
inline constexpr char kTypeLength[] = "レングス";
inline constexpr char kTypeData[] = "データ";
inline constexpr char kTypeHex[] = "HEX";
inline constexpr char kTypeAscii[] = "ASCII";
inline constexpr char kTypeString[] = "文字列";
inline constexpr char kTypeDummy[] = "ダミー";

inline constexpr char kUnitByte[] = "byte";
inline constexpr char kUnitBit[] = "bit";
inline constexpr char kUnitVariable[] = "可変";

inline constexpr char kBytes[] = "バイト";

inline constexpr char kMsgLengthNotVariable[] =
    "タイプがレングスのときは、サイズに可変を設定することはできません。";
inline constexpr char kMsgBadSize[] = "大きさが正しくありません。";
inline constexpr char kMsgBadTarget[] = "対象が不正です";
inline constexpr char kMsgNameRequired[] = "フレーム構成名は省略できません。";
inline constexpr char kMsgSizeRequired[] = "サイズは省略できません。";
inline constexpr char kMsgSizeZero[] = "サイズが0のときは、可変になります。";
inline constexpr char kMsgLengthVariable[] = "タイプがレングスのとき、サイズに可変を設定することはできません。";
inline constexpr char kMsgBadSpan[] = "スパンの対象が不正です。";
inline constexpr char kMsgBitTotal[] = "サイズの合計を8bitの倍数にしてください。";
inline constexpr char kMsgPppNoSave[] = "PPPフレームは変更保存できません。";
inline constexpr char kMsgVersion[] = "バージョン: 1.0.0";
inline constexpr char kPppSaveTitle[] = "PPPフレームの保存先を指定してください";
inline constexpr char kConfigFilter[] = "フレーム構成ファイル (*.kyf)";

// --- link table editor -----------------------------------------------------------
inline constexpr char kLinkCaption[] = "関連付けファイルの作成";
inline constexpr char kDirNone[] = "－";
inline constexpr char kDirRight[] = "→";
inline constexpr char kDirLeft[] = "←";
inline constexpr char kAnyCodeText[] = "*";

inline constexpr char kMsgConfigNoItems[] = "ファイルが不正です(ListIndex=0)";
inline constexpr char kMsgRelinkNoItems[] = "ファイルが不正です";
inline constexpr char kMsgLinkNameRequired[] = "関連付け構成名を入力してください。";
inline constexpr char kLinkFilter[] = "関連付けファイル(*.kyl)";

// --- both ---------------------------------------------------------------------------
inline constexpr char kMsgReadFailed[] = "の読込に失敗しました";
inline constexpr char kMsgSaveFailed[] = "ファイルの保存に失敗しました";

}  // namespace analyser::editors
