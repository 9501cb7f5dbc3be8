#include <gtest/gtest.h>

#include "suite/FormResLoader.h"
#include "suite/StringLoader.h"

#include "base/Dictionary.h"

using namespace orvan;
using orvan::suite::FormResLoader;
using orvan::suite::StringLoader;

namespace {

std::string load(const std::string &language, const std::string &text)
{
    StringLoader loader;
    loader.setResFileBaseName("ORVANINDUSTRY");
    loader.setLanguageID(language);
    return loader.LoadString(text);
}

class CaptionForm : public component::TranslatableForm
{
public:
    std::string formName() const override { return "frmSysMainInface"; }
    void
    visitTexts(const std::function<void(component::FormTextKind, std::string &)> &visit) override
    {
        visit(component::FormTextKind::Caption, caption);
        visit(component::FormTextKind::Caption, unknown);
        visit(component::FormTextKind::ColumnHeader, header);
    }
    void setFontFamily(const std::string &family) override { font = family; }
    std::string caption = "退出(&X)";
    std::string unknown = "未收录的文字";
    std::string header = "设置值";
    std::string font;
};

} // namespace

TEST(StringLoader, SimplifiedChineseAndUnknownLanguagesGiveTheTextItself)
{
    EXPECT_EQ(load("chs", "公司名称"), "公司名称");
    EXPECT_EQ(load("", "公司名称"), "公司名称");
    EXPECT_EQ(load("JP", "公司名称"), "公司名称");
}

TEST(StringLoader, EnglishComesFromTheCatalogAndUnknownTextsComeBackUnchanged)
{
    EXPECT_EQ(load("EN", "公司名称"), "Company name");
    EXPECT_EQ(load("en", "系统设置"), "System Settings");
    EXPECT_EQ(load("EN", "EMAIL"), "EMAIL");
    EXPECT_EQ(load("EN", "目录里没有的文字"), "目录里没有的文字");
    EXPECT_EQ(load("EN", "[%1]编码设置"), "[%1] Numbering Rule");
}

TEST(StringLoader, TraditionalChineseIsConvertedWithTheTermsPutRight)
{
    EXPECT_EQ(load("CHT", "系统设置"), "系統設置");
    EXPECT_EQ(load("cht", "单据审核后才更新"), "單據審核後才更新");
    EXPECT_EQ(load("CHT", "数量、金额核算"), "數量、金額核算");
    EXPECT_EQ(load("CHT", "审核人与制单人可为同一人"), "審核人與製單人可為同一人");
    EXPECT_EQ(load("CHT", "Tessel提示"), "Tessel提示");
}

TEST(StringLoader, ResourceNamesThatAreNotPlainNamesAreRefused)
{
    EXPECT_THROW(StringLoader::translate("../ORVANINDUSTRY", "EN", "是"), std::exception);
    EXPECT_THROW(StringLoader::translate("NOSUCHFILE", "EN", "是"), std::exception);
    EXPECT_EQ(StringLoader::translate("NOSUCHFILE", "chs", "是"), "是");
}

TEST(FormResLoader, TranslatesCaptionsAndColumnHeadersOnRequest)
{
    FormResLoader loader;
    CaptionForm form;
    auto options = std::make_shared<base::Dictionary>();
    options->add("NeedMLColumnHeaders", base::Variant(false));
    auto kept = loader.LoadFormResStrings(form, "EN", "", "ORVANINDUSTRY", options);
    EXPECT_EQ(kept, options);
    EXPECT_EQ(form.caption, "E&xit");
    EXPECT_EQ(form.unknown, "未收录的文字");
    EXPECT_EQ(form.header, "设置值");

    options->set("NeedMLColumnHeaders", base::Variant(true));
    loader.LoadFormResStrings(form, "EN", "", "ORVANINDUSTRY", options);
    EXPECT_EQ(form.header, "Value");
}

TEST(FormResLoader, LeavesSimplifiedChineseFormsAloneAndPicksFontsByLanguage)
{
    FormResLoader loader;
    CaptionForm form;
    loader.LoadFormResStrings(form, "chs", "", "ORVANINDUSTRY", nullptr);
    EXPECT_EQ(form.caption, "退出(&X)");
    loader.LoadFormResStrings(form, "CHT", "", "ORVANINDUSTRY", nullptr);
    EXPECT_EQ(form.caption, "退出(&X)");
    EXPECT_EQ(form.header, "設置值");
    loader.SetFrmFont(form, "CHT");
    EXPECT_EQ(form.font, "Noto Sans CJK TC");
    loader.SetFrmFont(form, "en");
    EXPECT_EQ(form.font, "DejaVu Sans");
    loader.SetFrmFont(form, "chs");
    EXPECT_EQ(form.font, "Noto Sans CJK SC");
}
