#pragma once

#include <string>
#include <vector>

namespace orvan::params {

// A parameter that holds the text searched for: the node that shows it, the caption (an
// option's own, else the node's), the option or record key ("" for a node itself) and its
// current value.
struct SearchMatch
{
    std::string nodeKey;
    std::string caption;
    std::string key;
    std::string value;

    bool operator==(const SearchMatch &) const = default;
};

// Everything of the parameters of all classes that holds the text (case ignored): the
// tree's nodes by caption (in the login's language) or key; the options by caption,
// key or current value; the rows of the company settings, the accounting and planning
// parameters, the bill types and the bill settings by key or value. In tree order.
std::vector<SearchMatch> findParameters(const std::string &text);

} // namespace orvan::params
