#pragma once
// The one step every handler that changes what the files hold ends with: the change is on disk when the handler
// returns, and kept for undo. A handler that changed nothing writes nothing.
#include "ui/context.h"

namespace kedravo::ui {

// The change names the undo and redo menu items show.
inline constexpr char CHANGE_UPDATE[] = "現在価格の更新";
inline constexpr char CHANGE_PAST_PRICE[] = "過去の価格入力";
inline constexpr char CHANGE_DELETION[] = "任意のデータ削除";
inline constexpr char CHANGE_SHIFT[] = "価格のシフト";
inline constexpr char CHANGE_PAGE_SETTINGS[] = "ページの設定";
inline constexpr char CHANGE_CSV_IMPORT[] = "CSVの読み込み";

// At the end of start-up: the tables as read are the history's start.
void beginHistory(Context& c);
void commitChange(Context& c, const char* change);
// Saves the files the tables now differ in, after a change or after the history moved; a file left unsaved by a
// failure before is tried again.
void saveDifference(Context& c, StateDifference difference);
// KANKYO.TXT after the folders or the backup switch changed, so that a crash does not forget them.
void commitSettings(Context& c);

} // namespace kedravo::ui
