#include "GuiFixture.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTableWidget>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "component/AccountLookupForm.h"
#include "component/ProcessState.h"
#include "forms/Messages.h"
#include "forms/Printer.h"
#include "gui/AccountLookupDialog.h"
#include "gui/LedgerTableView.h"
#include "gui/MainWindowCommands.h"
#include "gui/QtMessages.h"
#include "gui/QtPrinter.h"
#include "gui/QtShell.h"

using namespace orvan;

namespace {

class GuiServicesTest : public test::GuiFixture
{};

// What a poppler tool prints about a PDF file ("" when it fails). The output file is the
// process's own: tests run side by side.
std::string popplerOutput(const std::string &command)
{
    const std::string outputPath = std::filesystem::temp_directory_path() /
                                   ("orvan-poppler-" + std::to_string(::getpid()) + ".txt");
    if (std::system((command + " > '" + outputPath + "'").c_str()) != 0)
        return {};
    std::ifstream in(outputPath);
    std::stringstream text;
    text << in.rdbuf();
    std::filesystem::remove(outputPath);
    return text.str();
}

// The text of a PDF file, or of one of its pages.
std::string pdfText(const std::string &path, int page = 0)
{
    const auto pages =
        page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : std::string();
    return popplerOutput("pdftotext -enc UTF-8" + pages + " '" + path + "' -");
}

// What pdfinfo says of a file (its page size among it).
std::string pdfInfo(const std::string &path)
{
    return popplerOutput("pdfinfo '" + path + "'");
}

// The picture of one character in a font, black on white, in a square of the font's
// height.
QImage rendering(const QString &text, const QFont &font)
{
    const int side = QFontMetrics(font).height() * 2;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    return image;
}

bool blank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

TEST_F(GuiServicesTest, MessageBoxShowsIconButtonsAndTitleAndGivesTheAnswer)
{
    gui::QtMessages boxes;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QStringList buttons;
    answerMessageBox([&](QMessageBox &box) {
        icon = box.icon();
        title = box.windowTitle();
        for (auto *button : box.buttons())
            buttons << button->text();
        box.button(QMessageBox::No)->click();
    });
    const auto answer = boxes.show({forms::MessageWindow::Box, "提示", "删除吗？",
                                    forms::Buttons::YesNo, forms::Icon::Question});
    EXPECT_EQ(answer, forms::Answer::No);
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(title, QStringLiteral("提示"));
    EXPECT_TRUE(buttons.contains(QStringLiteral("是")) && buttons.contains(QStringLiteral("否")))
        << buttons.join(QLatin1Char(',')).toStdString();

    // The first button is the default; an empty title gets the system's.
    bool firstIsDefault = false;
    answerMessageBox([&](QMessageBox &box) {
        title = box.windowTitle();
        firstIsDefault =
            static_cast<QAbstractButton *>(box.defaultButton()) == box.button(QMessageBox::Ok);
        box.button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(boxes.show({forms::MessageWindow::Box, "", "继续？", forms::Buttons::OkCancel}),
              forms::Answer::Cancel);
    EXPECT_FALSE(title.isEmpty());
    EXPECT_TRUE(firstIsDefault);
}

TEST_F(GuiServicesTest, ViewTextsFollowTheLoginsLanguage)
{
    const auto buttonsOf = [](gui::QtMessages &boxes) {
        QStringList buttons;
        answerMessageBox([&buttons](QMessageBox &box) {
            for (auto *button : box.buttons())
                buttons << button->text();
            box.button(QMessageBox::No)->click();
        });
        boxes.show({forms::MessageWindow::Box, "", "继续吗？", forms::Buttons::YesNo});
        buttons.sort();
        return buttons;
    };
    gui::QtMessages boxes;
    setLogin("UserID=16394;LANGUAGE=EN;");
    component::processState().language.clear();
    EXPECT_EQ(buttonsOf(boxes), (QStringList{"No", "Yes"}));

    // Texts the catalog already held keep their entry.
    component::AccountLookupForm form({{1, "1001", "库存现金"}});
    form.load();
    gui::AccountLookupDialog lookup(form);
    EXPECT_EQ(lookup.searchBox()->placeholderText(), QStringLiteral("Account number or name"));
    EXPECT_EQ(lookup.list()->horizontalHeaderItem(0)->text(), QStringLiteral("Account code"));
    EXPECT_EQ(lookup.list()->horizontalHeaderItem(1)->text(), QStringLiteral("Name"));
    EXPECT_EQ(lookup.okButton()->text(), QStringLiteral("OK"));

    setLogin("UserID=16394;LANGUAGE=CHT;");
    component::processState().language.clear();
    EXPECT_EQ(buttonsOf(boxes), (QStringList{"否", "是"}));
}

TEST_F(GuiServicesTest, AccountInUseIsTheFileTheConnectionStringNames)
{
    auto &connect = component::processState().connectString;
    connect = "Provider=SQLite;Data Source=/data/acct.db";
    EXPECT_EQ(gui::accountInUse(), QStringLiteral("/data/acct.db"));
    connect = "provider=sqlite; data source = {/data/a;b.db} ;";
    EXPECT_EQ(gui::accountInUse(), QStringLiteral("/data/a;b.db"));
    connect = "Provider=SQLite;Server=srv";
    EXPECT_EQ(gui::accountInUse(), QStringLiteral("Provider=SQLite;Server=srv"));
    connect.clear();
    EXPECT_EQ(gui::accountInUse(), QString());
}

TEST_F(GuiServicesTest, PrintingAListWithoutAPrinterWritesAPdfWithItsRows)
{
    const auto pdf = account.path() + ".pdf";
    auto printer =
        std::make_shared<gui::QtPrinter>([&pdf](QWidget *) { return QString::fromStdString(pdf); });
    forms::setPrinter(printer);
    show(0);
    view->chooseNode("sys9");
    const auto document = window->listDocument();
    const auto first = document.rows.front();
    const auto last = document.rows.back();
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // Without a printer the user is told so and chooses the PDF file.
        QString told;
        answerMessageBox([&told](QMessageBox &box) {
            told = box.text();
            for (auto *button : box.buttons())
                if (box.buttonRole(button) == QMessageBox::AcceptRole)
                    button->click();
        });
        view->chooseMenuItem("File.Print");
        EXPECT_EQ(told, QStringLiteral("没有安装打印机。可以打印到 PDF 文件，或者预览。"));
    } else { // a real printer would open the printer dialog
        printer->printToPdf(window->listDocument(), QString::fromStdString(pdf));
    }
    forms::setPrinter(nullptr);

    ASSERT_TRUE(std::filesystem::exists(pdf));
    const auto text = pdfText(pdf);
    std::filesystem::remove(pdf);
    EXPECT_NE(text.find(document.headings.at(0)), std::string::npos) << text;
    for (const auto &row : {first, last}) {
        for (const auto &cell : row) {
            if (!cell.empty()) {
                EXPECT_NE(text.find(cell), std::string::npos) << cell << "\n" << text;
            }
        }
    }
}

TEST_F(GuiServicesTest, AWideListPrintsLandscapeUnderItsTitleBlockWithWholeHeadings)
{
    forms::setLetterhead("示范精密机械有限公司");
    forms::PrintDocument document{.title = "单据设置"};
    for (int column = 1; column <= 9; ++column)
        document.headings.push_back("审核人与制单人可为同一人" + std::to_string(column));
    document.rows.push_back(std::vector<std::string>(9, "外购入库单"));
    gui::QtPrinter printer;
    const auto pdf = account.path() + ".pdf";
    ASSERT_TRUE(printer.printToPdf(document, QString::fromStdString(pdf)));
    const auto info = pdfInfo(pdf);
    const auto text = pdfText(pdf);
    std::filesystem::remove(pdf);
    forms::setLetterhead("");
    EXPECT_NE(info.find("842 x 595 pts"), std::string::npos) << "landscape A4\n" << info;
    EXPECT_NE(text.find("示范精密机械有限公司"), std::string::npos) << text;
    EXPECT_NE(text.find("第1页，共1页"), std::string::npos) << text;
    // A wrapped heading reads whole once its lines are joined.
    std::string joined;
    for (const char c : text)
        if (c != '\n' && c != ' ')
            joined += c;
    EXPECT_NE(joined.find("审核人与制单人可为同一人9"), std::string::npos) << text;
}

TEST_F(GuiServicesTest, LongListsGoOnOverPagesWithTheirHeadings)
{
    forms::PrintDocument document{.title = "凭证字", .headings = {"代码", "名称"}};
    for (int row = 1; row <= 150; ++row)
        document.rows.push_back({std::to_string(row), "行" + std::to_string(row)});
    gui::QtPrinter printer;
    const auto pdf = account.path() + ".pdf";
    ASSERT_TRUE(printer.printToPdf(document, QString::fromStdString(pdf)));
    const auto second = pdfText(pdf, 2);
    const auto all = pdfText(pdf);
    EXPECT_NE(pdfInfo(pdf).find("595 x 842 pts"), std::string::npos) << "a narrow list: portrait";
    std::filesystem::remove(pdf);
    EXPECT_NE(second.find("名称"), std::string::npos) << second;
    EXPECT_NE(second.find("凭证字"), std::string::npos) << second;
    EXPECT_EQ(all.find("行1\n"), all.rfind("行1\n"));
    EXPECT_NE(all.find("行150"), std::string::npos);
}

TEST_F(GuiServicesTest, ChineseGlyphsRenderInTheWindowsFonts)
{
    show(0);
    const QString title = QStringLiteral("系统参数设置");
    ASSERT_EQ(view->classTitle()->text(), title);
    const QChar missing(0xFFFF); // a non-character: drawn as the missing-glyph box, if at all
    const QList<QFont> fonts{view->classTitle()->font(), view->grid()->font()};
    for (const QFont &font : fonts) {
        const auto box = rendering(QString(missing), font);
        for (const QChar character : title) {
            const auto glyph = rendering(QString(character), font);
            EXPECT_FALSE(blank(glyph)) << font.family().toStdString();
            EXPECT_TRUE(glyph != box) << "box for U+" << std::hex << int(character.unicode())
                                      << " in " << font.family().toStdString();
        }
    }
    const auto picture = view->grab();
    EXPECT_EQ(picture.size(), QSize(1024, 600));
    const auto path = account.path() + ".png";
    EXPECT_TRUE(picture.save(QString::fromStdString(path), "PNG"));
    std::filesystem::remove(path);
}

} // namespace

TEST_F(GuiServicesTest, QtsOwnButtonsSpeakTheLoginsLanguage)
{
    const auto cancelText = [] {
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        return buttons.button(QDialogButtonBox::Cancel)->text();
    };
    setLogin("UserID=16394;LANGUAGE=chs;");
    gui::useQtTranslationsOfLogin();
    EXPECT_EQ(cancelText(), QStringLiteral("取消"));
    setLogin("UserID=16394;LANGUAGE=EN;");
    gui::useQtTranslationsOfLogin();
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
    setLogin("UserID=16394;LANGUAGE=CHT;");
    gui::useQtTranslationsOfLogin();
    EXPECT_EQ(cancelText(), QStringLiteral("取消"));
    setLogin("UserID=16394;LANGUAGE=EN;");
    gui::useQtTranslationsOfLogin();
}

TEST_F(GuiServicesTest, HelpPagesSpeakTheLoginsLanguageAndFallBackToTheDefault)
{
    setLogin("UserID=16394;LANGUAGE=EN;");
    EXPECT_TRUE(gui::helpPageText("sys2").startsWith(QStringLiteral("Bill Settings lists")));
    EXPECT_EQ(gui::helpPageText("nowhere"), gui::helpPageText("default"));
    setLogin("UserID=16394;LANGUAGE=chs;");
    EXPECT_TRUE(gui::helpPageText("sys2").startsWith(QStringLiteral("单据设置列出")));
    setLogin("UserID=16394;LANGUAGE=CHT;");
    EXPECT_TRUE(gui::helpPageText("sys2").startsWith(QStringLiteral("單據設置列出")))
        << gui::helpPageText("sys2").toStdString();
}
