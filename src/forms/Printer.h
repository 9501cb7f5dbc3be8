#pragma once

#include <memory>
#include <string>
#include <vector>

namespace orvan::forms {

// A list to print: a title, the column headings and the rows of cell texts.
struct PrintDocument
{
    std::string title;
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

enum class PrintMode { Preview, Print };

// Prints or previews documents. The GUI opens the print preview or the printer dialog;
// scripts and tests record what was sent.
class Printer
{
public:
    virtual ~Printer();
    virtual void print(const PrintDocument &document, PrintMode mode) = 0;
};

class ScriptedPrinter : public Printer
{
public:
    struct Job
    {
        PrintDocument document;
        PrintMode mode = PrintMode::Preview;
    };
    void print(const PrintDocument &document, PrintMode mode) override
    {
        m_jobs.push_back({document, mode});
    }
    const std::vector<Job> &jobs() const { return m_jobs; }

private:
    std::vector<Job> m_jobs;
};

// The line printed above every document's title: the account's company name ("" for
// none). The window sets it when it opens the account.
const std::string &letterhead();
void setLetterhead(std::string text);

// The process's printer; a ScriptedPrinter until one is installed.
Printer &printer();
void setPrinter(std::shared_ptr<Printer> service);

} // namespace orvan::forms
