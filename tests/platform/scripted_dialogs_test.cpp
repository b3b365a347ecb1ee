#include "platform/scripted/scripted_dialogs.h"

#include <gtest/gtest.h>
#include <sstream>

namespace kedravo::platform {
namespace {

constexpr char PROMPT[] = "小数点以下も含めて現在の価格を入力";

std::string times(int n, const std::string& text) {
    std::string out;
    while (n-- > 0)
        out += text;
    return out;
}

TEST(ScriptedDialogs, InputBoxesTakeQueuedAnswersInOrder) {
    std::ostringstream transcript;
    ScriptedDialogs dialogs(transcript);
    const std::string wide = times(31, "円"); // 62 of the field's 64 bytes
    dialogs.answerInput("112.5");
    dialogs.answerInput(std::nullopt);
    dialogs.answerInput(wide + "a円bc");
    dialogs.answerInput("");
    const std::string returned[] = {"112.5", INPUT_CANCELLED, wide + "ab", "", INPUT_CANCELLED};
    for (const std::string& expected : returned)
        EXPECT_EQ(dialogs.inputBox(1, "現在価格", PROMPT), expected);
    const std::string question = "input \"現在価格\" \"小数点以下も含めて現在の価格を入力\" -> ";
    EXPECT_EQ(transcript.str(), question + "\"112.5\"\n" + question + "cancel\n" + question + "\"" + wide + "ab\"\n" +
                                    question + "\"\"\n" + question + "cancel (unanswered)\n");
}

TEST(ScriptedDialogs, SaveDialogsReturnThePathAsWritten) {
    std::ostringstream transcript;
    ScriptedDialogs dialogs(transcript);
    dialogs.answerSave("data/基本データ.TXT");
    dialogs.answerSave(std::nullopt);
    const std::optional<std::string> returned[] = {"data/基本データ.TXT", std::nullopt, std::nullopt};
    for (const auto& expected : returned)
        EXPECT_EQ(dialogs.saveAs(-1, "データファイルを保存する場所は?", "基本データ.TXT"), expected);
    EXPECT_EQ(transcript.str(),
              "save \"データファイルを保存する場所は?\" \"基本データ.TXT\" -> \"data/基本データ.TXT\"\n"
              "save \"データファイルを保存する場所は?\" \"基本データ.TXT\" -> cancel\n"
              "save \"データファイルを保存する場所は?\" \"基本データ.TXT\" -> cancel (unanswered)\n");
}

TEST(ScriptedDialogs, WarningsAreWrittenWithTheirLineBreaks) {
    std::ostringstream transcript;
    ScriptedDialogs dialogs(transcript);
    dialogs.STOP_SUB("フォルダー警告", "バックアップ先のフォルダーが存在しません\r\nbackup/");
    EXPECT_EQ(transcript.str(),
              "message \"フォルダー警告\" \"バックアップ先のフォルダーが存在しません\\r\\nbackup/\"\n");
}

} // namespace
} // namespace kedravo::platform
