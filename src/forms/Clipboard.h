#pragma once

#include <memory>
#include <string>

namespace orvan::forms {

// Where Copy puts text. The GUI hands it to the desktop's clipboard; scripts and tests
// keep the last text.
class Clipboard
{
public:
    virtual ~Clipboard();
    virtual void setText(const std::string &text) = 0;
};

class ScriptedClipboard : public Clipboard
{
public:
    void setText(const std::string &text) override { m_text = text; }
    const std::string &text() const { return m_text; }

private:
    std::string m_text;
};

// The process's clipboard; a ScriptedClipboard until one is installed.
Clipboard &clipboard();
void setClipboard(std::shared_ptr<Clipboard> service);

} // namespace orvan::forms
