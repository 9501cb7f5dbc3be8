#include "forms/Form.h"

namespace orvan::forms {

Form::~Form() = default;

void Form::keyDown(int, int) {}

void Form::close()
{
    m_closeRequested = true;
    notifyChanged();
}

void Form::addChangeListener(Listener listener)
{
    m_listeners.push_back(std::move(listener));
}

void Form::notifyChanged() const
{
    for (const auto &listener : m_listeners)
        listener();
}

} // namespace orvan::forms
