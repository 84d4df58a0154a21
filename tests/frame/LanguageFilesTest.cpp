// Every string ID that the frame and the pages name has a text in each shipped language file, so
// no caption or message of theirs comes out empty.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace mdvr::test {
namespace {

namespace fs = std::filesystem;

// String IDs are the five-digit numbers 10000 to 19999; no other number in these layers is.
std::set<int> IdsNamedIn(const fs::path& folder) {
    static const std::regex id(R"(\b1\d{4}\b)");
    std::set<int> ids;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), id), end; it != end; ++it) {
            ids.insert(std::stoi(it->str()));
        }
    }
    return ids;
}

// The [STRING] keys with a non-empty text.
std::map<int, std::string> TextsOf(const fs::path& file) {
    static const std::regex line(R"(^(\d+)=(.*?)\r?$)");
    std::map<int, std::string> texts;
    std::ifstream in(file);
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        if (std::regex_match(text, match, line) && !match[2].str().empty()) {
            texts[std::stoi(match[1].str())] = match[2].str();
        }
    }
    return texts;
}

TEST(LanguageFiles, EveryNamedIdHasATextInEveryLanguage) {
    const fs::path root = MDVR_SOURCE_DIR;
    std::set<int> ids = IdsNamedIn(root / "frame");
    ids.merge(IdsNamedIn(root / "pages"));
    ASSERT_GT(ids.size(), 40u);
    for (const char* language : {"zh-CN.ini", "en.ini"}) {
        const std::map<int, std::string> texts = TextsOf(root / "lang" / language);
        for (int id : ids) EXPECT_EQ(texts.count(id), 1u) << language << " lacks " << id;
    }
}

TEST(LanguageFiles, BothLanguagesHoldTheSameIds) {
    const fs::path lang = fs::path(MDVR_SOURCE_DIR) / "lang";
    std::set<int> chinese, english;
    for (const auto& [id, text] : TextsOf(lang / "zh-CN.ini")) chinese.insert(id);
    for (const auto& [id, text] : TextsOf(lang / "en.ini")) english.insert(id);
    EXPECT_EQ(chinese, english);
}

}  // namespace
}  // namespace mdvr::test
