#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "base/Variant.h"
#include "suite/JsonSettingStore.h"

using namespace orvan;
using suite::JsonSettingStore;

namespace {

class JsonSettingStoreTest : public ::testing::Test
{
protected:
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("orvan-settings-" + std::to_string(::getpid()));
    std::filesystem::path m_file = m_folder / "settings.json";
};

std::string textOf(JsonSettingStore &store, const char *key)
{
    return store.read("Window", key, base::Variant("none")).text();
}

} // namespace

TEST_F(JsonSettingStoreTest, EachStoreSeesTheFileAsItIsNow)
{
    JsonSettingStore first(m_file);
    JsonSettingStore second(m_file);
    EXPECT_EQ(textOf(first, "Width"), "none") << "no file yet";
    first.write("Window", "Width", base::Variant(int32_t{640}));
    EXPECT_EQ(textOf(first, "Width"), "640");
    EXPECT_EQ(textOf(second, "Width"), "640");
    second.write("Window", "Height", base::Variant(int32_t{480}));
    EXPECT_EQ(textOf(first, "Height"), "480") << "another window's write";
    EXPECT_EQ(textOf(second, "Width"), "640") << "a write keeps the other keys";

    { // an editor rewrites the file in place
        std::ofstream out(m_file, std::ios::trunc);
        out << R"({"Window": {"Width": 1024}})";
    }
    EXPECT_EQ(textOf(first, "Width"), "1024");
    EXPECT_EQ(textOf(first, "Height"), "none");
    std::ofstream(m_file, std::ios::trunc) << "{ not json";
    EXPECT_EQ(textOf(second, "Width"), "none") << "an unreadable file reads as empty";
}

TEST_F(JsonSettingStoreTest, ReadManyAnswersAsReadDoesForEachKey)
{
    JsonSettingStore store(m_file);
    store.write("Window", "Width", base::Variant(int32_t{640}));
    store.write("Window", "Title", base::Variant(std::string("main")));
    store.write("Other", "Height", base::Variant(int32_t{480}));
    component::SettingRead reads[] = {
        {"Width", base::Variant(int32_t{1})},
        {"Height", base::Variant(int32_t{2})}, // written, but in another section
        {"Title", base::Variant()},
    };
    store.readMany("Window", reads);
    EXPECT_EQ(reads[0].value.toLong(), 640);
    EXPECT_EQ(reads[1].value.toLong(), 2);
    EXPECT_EQ(reads[2].value.text(), "main");

    std::ofstream(m_file, std::ios::trunc) << R"({"Window": {"Width": 800, "Title": null}})";
    component::SettingRead again[] = {{"Width", base::Variant()}, {"Title", base::Variant("x")}};
    JsonSettingStore(m_file).readMany("Window", again);
    EXPECT_EQ(again[0].value.toLong(), 800) << "the file as it is now";
    EXPECT_EQ(again[1].value.text(), "x") << "a null value reads as the default";
}
