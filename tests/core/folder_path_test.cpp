#include "core/folder_path.h"

#include <gtest/gtest.h>

namespace kedravo {
namespace {

TEST(Folders, TheFolderOfAChosenPathKeepsItsSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/相場/基本データ.TXT", "/home/u/相場/"},
        {"/DUMMY", "/"},
        {"data/DUMMY", "data/"},
        {"DUMMY", ""},
        {"/home/u/", "/home/u/"},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(folderOf(path), folder) << path;
}

TEST(Folders, TheFileSystemNameDropsTheTrailingSeparatorExceptOfTheRoot) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/相場/", "/home/u/相場"}, {"data/", "data"}, {"/", "/"}, {"", ""}};
    for (const auto& [folder, name] : cases)
        EXPECT_EQ(withoutSeparator(folder), name) << folder;
}

} // namespace
} // namespace kedravo
