#include "component/ComponentFixture.h"

#include "base/Dictionary.h"
#include "base/PendingError.h"
#include "component/LanguageComponents.h"
#include "component/Translation.h"

using namespace orvan;
using namespace orvan::component;

namespace {

// Answers "<language>:<text>" and records what it was asked.
class FakeStringLoader : public StringLoaderComponent
{
public:
    void setResFileBaseName(const std::string &name) override { baseName = name; }
    void setLanguageID(const std::string &language) override { languageId = language; }
    std::string LoadString(const std::string &text) override
    {
        asked.push_back(text);
        return languageId + ":" + text;
    }
    std::string baseName;
    std::string languageId;
    std::vector<std::string> asked;
};

class FakeForm : public TranslatableForm
{
public:
    std::string formName() const override { return "frmTest"; }
    void visitTexts(const std::function<void(FormTextKind, std::string &)> &visit) override
    {
        visit(FormTextKind::Caption, caption);
    }
    void setFontFamily(const std::string &family) override { font = family; }
    std::string caption = "系统设置";
    std::string font;
};

class FakeFormLoader : public FormResLoaderComponent
{
public:
    base::ObjectPtr LoadFormResStrings(TranslatableForm &form, const std::string &language,
                                       const std::string &reserved, const std::string &baseName,
                                       base::ObjectPtr options) override
    {
        calls.push_back(form.formName() + "|" + language + "|" + reserved + "|" + baseName);
        received = options;
        return std::make_shared<base::Dictionary>();
    }
    void SetFrmFont(TranslatableForm &form, const std::string &language) override
    {
        form.setFontFamily("font-" + language);
    }
    std::vector<std::string> calls;
    base::ObjectPtr received;
};

class Translation : public test::ComponentFixture
{
protected:
    void SetUp() override
    {
        ComponentFixture::SetUp();
        auto &registry = ComponentRegistry::instance();
        registry.add(ProgId::StringLoader, [this] { return loader; });
        registry.add(ProgId::FormResLoader, [this] { return formLoader; });
    }
    void useLanguage(const std::string &language)
    {
        login = "UserID=16394;LANGUAGE=" + language + ";";
    }

    std::shared_ptr<FakeStringLoader> loader = std::make_shared<FakeStringLoader>();
    std::shared_ptr<FakeFormLoader> formLoader = std::make_shared<FakeFormLoader>();
};

} // namespace

TEST_F(Translation, TrimsTheTextAndTellsTheLoaderItsResourcesOnEveryCall)
{
    useLanguage("EN");
    EXPECT_EQ(TranslateText("  公司名称 "), "EN:公司名称");
    loader->baseName.clear();
    loader->languageId.clear();
    TranslateText("电话");
    EXPECT_EQ(loader->baseName, "ORVANINDUSTRY");
    EXPECT_EQ(loader->languageId, "EN");
}

TEST_F(Translation, BlankTextGivesEmptyWithoutAskingTheLoader)
{
    useLanguage("EN");
    EXPECT_EQ(TranslateText(""), "");
    EXPECT_EQ(TranslateText("   "), "");
    EXPECT_TRUE(loader->asked.empty());
}

TEST_F(Translation, LanguageIsReadOnceButLanguageColumnReadsItAfresh)
{
    useLanguage("CHT");
    EXPECT_EQ(TranslateText("是"), "CHT:是");
    EXPECT_EQ(LanguageColumn("FName"), "FName_CHT");
    useLanguage("en");
    EXPECT_EQ(TranslateText("是"), "CHT:是");
    EXPECT_EQ(LanguageColumn("FCaption"), "FCaption_EN");
    useLanguage("chs");
    EXPECT_EQ(LanguageColumn(" FBillName "), "FBillName");
    useLanguage("DE");
    EXPECT_EQ(LanguageColumn("FName"), "FName");
}

TEST_F(Translation, CompoundTextTranslatesOnlyMarkedPieces)
{
    useLanguage("EN");
    EXPECT_EQ(TranslateText("[^|^~$~单据类型^|^]:"), "[EN:单据类型]:");
    EXPECT_EQ(TranslateCompound("a^|^~$~ 是 ^|^~$~^|^b"), "aEN:是b");
    EXPECT_EQ(loader->asked, (std::vector<std::string>{"单据类型", "是"}));
}

TEST_F(Translation, PendingErrorSurvivesTranslationAndFormatting)
{
    useLanguage("EN");
    base::PendingError::raise(base::Error(13, "Type mismatch", "frmProtyMdy"));
    TranslateText("数据读取错误。");
    FormatText("第%1行长度不能为空!", 3);
    ComponentRegistry::instance().remove(ProgId::StringLoader);
    resetLanguageResources();
    TranslateText("否");
    const auto &pending = base::PendingError::current();
    EXPECT_EQ(pending.number, 13);
    EXPECT_EQ(pending.description, "Type mismatch");
    EXPECT_EQ(pending.source, "frmProtyMdy");
}

TEST_F(Translation, WithoutAStringLoaderTheTextIsShownAsWritten)
{
    ComponentRegistry::instance().remove(ProgId::StringLoader);
    useLanguage("EN");
    EXPECT_EQ(TranslateText(" 关账状态 "), "关账状态");
    EXPECT_EQ(messageTitle(), "Tessel提示");
}

TEST_F(Translation, FormatTextTranslatesTheTemplateAndTurnsNullIntoEmpty)
{
    useLanguage("EN");
    EXPECT_EQ(FormatText("[%1]编码设置", "采购订单"), "EN:[采购订单]编码设置");
    EXPECT_EQ(FormatText("%1-%2", std::vector<base::Variant>{base::Variant::null(), 7}), "EN:-7");
}

TEST_F(Translation, FormTextsAreLeftAloneInSimplifiedChinese)
{
    useLanguage("CHS");
    FakeForm form;
    base::ObjectPtr options;
    LoadFormTexts(form, options);
    EXPECT_TRUE(formLoader->calls.empty());
    EXPECT_EQ(options, nullptr);
}

TEST_F(Translation, FormTextsGetOptionsAskingForColumnHeadersAndKeepTheReturnedOnes)
{
    useLanguage("EN");
    FakeForm form;
    base::ObjectPtr options;
    LoadFormTexts(form, options);
    ASSERT_EQ(formLoader->calls, (std::vector<std::string>{"frmTest|EN||ORVANINDUSTRY"}));
    const auto *sent = dynamic_cast<base::Dictionary *>(formLoader->received.get());
    ASSERT_NE(sent, nullptr);
    EXPECT_TRUE(sent->item("NeedMLColumnHeaders").toBool());
    EXPECT_NE(options, formLoader->received);
    EXPECT_NE(options, nullptr);
}

TEST_F(Translation, FormFontFollowsTheLanguage)
{
    useLanguage("CHT");
    FakeForm form;
    SetFormFont(form);
    EXPECT_EQ(form.font, "font-CHT");
    EXPECT_EQ(processState().language, "CHT");
}

// A window's fixed words go to the loader once, and again once the login's language has
// changed.
TEST_F(Translation, FixedWordsAreTranslatedOncePerLanguage)
{
    useLanguage("EN");
    TranslatedTexts words;
    EXPECT_EQ(words(" 是 "), "EN:是");
    EXPECT_EQ(words(" 是 "), "EN:是");
    EXPECT_EQ(words("否"), "EN:否");
    EXPECT_EQ(loader->asked, (std::vector<std::string>{"是", "否"}));

    useLanguage("CHT");
    processState().language.clear(); // as a script's change of language does
    const auto &traditional = words(" 是 ");
    EXPECT_EQ(traditional, "CHT:是");
    EXPECT_EQ(loader->asked, (std::vector<std::string>{"是", "否", "是"}));
    EXPECT_EQ(words(""), "");

    useLanguage("EN");
    processState().language.clear();
    EXPECT_EQ(words("否"), "EN:否") << "kept from before";
    EXPECT_EQ(loader->asked.size(), 3u) << "nothing asked again";
    EXPECT_EQ(traditional, "CHT:是") << "a translation handed out stays valid";
}
