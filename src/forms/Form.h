#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orvan::forms {

// A button of a form or toolbar: what the view shows and whether the user can press it.
struct CommandButton
{
    std::string key;
    std::string caption;
    std::string toolTip;
    bool enabled = true;
    bool visible = true;
};

// A progress bar's range and position.
struct ProgressBar
{
    int min = 0;
    int max = 100;
    int value = 0;
    bool visible = true;
};

// The toolkit-free state of one window. The window's logic derives from it, changes
// its state and calls notifyChanged(); a view renders the state, forwards the user's
// actions to the logic and re-reads the state on every change.
class Form
{
public:
    virtual ~Form();

    // The window's name, by which the shell finds its view ("frmShutBill", ...).
    virtual std::string formName() const = 0;

    // Lifecycle, called by the shell in this order: load, activate (when first shown),
    // then unload after the window closed.
    virtual void load() {}
    virtual void activate() {}
    virtual void unload() {}
    // A key pressed in the window (key codes as the host's: 112 is F1).
    virtual void keyDown(int keyCode, int shift);
    // The user asked to close the window (the title bar's close box). Returns false to
    // keep it open.
    virtual bool queryClose() { return true; }

    // Ends the modal run; the shell unloads the form.
    void close();
    bool closeRequested() const { return m_closeRequested; }

    std::string caption;

    // Views listen here; the logic calls notifyChanged() after changing state.
    using Listener = std::function<void()>;
    void addChangeListener(Listener listener);
    void clearChangeListeners() { m_listeners.clear(); }
    void notifyChanged() const;

private:
    bool m_closeRequested = false;
    std::vector<Listener> m_listeners;
};

inline constexpr int KeyCodeF1 = 112;

} // namespace orvan::forms
