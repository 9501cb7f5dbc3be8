#include "gui/ViewTexts.h"

#include <array>

#include "base/Text.h"
#include "component/Translation.h"
#include "forms/Menu.h"
#include "forms/Toolbar.h"

namespace orvan::gui {
namespace {

struct NamedText
{
    const char *name;
    const char *chinese;
    const char *english;
};

// Captions of the maintenance window's menu items and toolbar buttons, by item name.
constexpr std::array MenuTexts{
    NamedText{"File", "文件(&F)", "&File"},
    NamedText{"Close", "关闭(&C)", "&Close"},
    NamedText{"Preview", "打印预览(&V)", "Print Pre&view"},
    NamedText{"Print", "打印(&P)...", "&Print..."},
    NamedText{"PrintSetup", "打印设置(&R)...", "P&rint Setup..."},
    NamedText{"Edit", "编辑(&E)", "&Edit"},
    NamedText{"Add", "新增(&N)", "&New"},
    NamedText{"Modify", "修改(&M)", "&Modify"},
    NamedText{"Delete", "删除(&D)", "&Delete"},
    NamedText{"View", "查看(&V)", "&View"},
    NamedText{"Refresh", "刷新(&R)", "&Refresh"},
    NamedText{"StatusBar", "状态栏(&S)", "&Status Bar"},
    NamedText{"Toolbar", "工具栏(&T)", "&Toolbar"},
    NamedText{"ToolbarLabels", "工具栏文字(&L)", "Toolbar &Labels"},
    NamedText{"Format", "格式(&O)", "F&ormat"},
    NamedText{"Font", "字体(&F)...", "&Font..."},
    NamedText{"TitleFont", "标题字体(&T)...", "&Title Font..."},
    NamedText{"PageSetup", "页面设置(&U)...", "Page Set&up..."},
    NamedText{"Help", "帮助(&H)", "&Help"},
    NamedText{"Search", "帮助主题(&S)", "Help &Topics"},
    NamedText{"About", "关于(&A)...", "&About..."},
    NamedText{"Popup", "快捷菜单", "Shortcut Menu"},
};

constexpr std::array ToolTexts{
    NamedText{"New", "新增", "New"},       NamedText{"Modify", "修改", "Modify"},
    NamedText{"Delete", "删除", "Delete"}, NamedText{"Cut", "剪切", "Cut"},
    NamedText{"Copy", "复制", "Copy"},     NamedText{"Paste", "粘贴", "Paste"},
    NamedText{"Print", "打印", "Print"},   NamedText{"PrintView", "预览", "Preview"},
    NamedText{"Exit", "退出", "Exit"},
};

struct NamedKeys
{
    const char *name;
    const char *keys;
};

// F9 refreshes the list, as the window's own messages tell the user.
constexpr std::array Shortcuts{NamedKeys{"Print", "Ctrl+P"}, NamedKeys{"Refresh", "F9"}};

template <class Entry, std::size_t N>
const Entry *findNamed(const std::array<Entry, N> &table, const std::string &name)
{
    for (const auto &entry : table)
        if (base::equalsNoCase(entry.name, name))
            return &entry;
    return nullptr;
}

bool englishLogin()
{
    return component::LanguageColumn("x") == "x_EN";
}

} // namespace

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QString viewText(const char *chinese, const char *english)
{
    const auto translated = component::TranslateText(chinese);
    if (translated == chinese && englishLogin())
        return QString::fromUtf8(english);
    return qt(translated);
}

QString menuCaption(const forms::MenuItem &item)
{
    if (!item.caption.empty() && item.caption != item.name)
        return qt(component::TranslateText(item.caption));
    if (const auto *entry = findNamed(MenuTexts, item.name))
        return viewText(entry->chinese, entry->english);
    return qt(item.name);
}

QString menuShortcut(const forms::MenuItem &item)
{
    if (!item.shortcut.empty())
        return qt(item.shortcut);
    if (const auto *entry = findNamed(Shortcuts, item.name))
        return QString::fromUtf8(entry->keys);
    return {};
}

QString toolCaption(const forms::ToolButton &button)
{
    if (!button.caption.empty())
        return qt(component::TranslateText(button.caption));
    if (const auto *entry = findNamed(ToolTexts, button.key))
        return viewText(entry->chinese, entry->english);
    return qt(button.key);
}

} // namespace orvan::gui
