#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvan::test {

// One batch of the statement corpus: the comment line before it and its text.
struct RecordedBatch
{
    std::string description;
    std::string text;
};

// The batches of a statements file in file order. Batches end at a line holding only GO;
// a "-- " line before a batch describes it; blank lines before a batch are skipped. Line
// breaks inside a batch are kept as written (CR LF stays CR LF); those that end it are not.
inline std::vector<RecordedBatch> parseStatementBatches(const std::string &content)
{
    std::vector<RecordedBatch> batches;
    RecordedBatch current;
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        const bool carriageReturn = !line.empty() && line.back() == '\r';
        const std::string bare = carriageReturn ? line.substr(0, line.size() - 1) : line;
        if (bare == "GO") {
            while (!current.text.empty() &&
                   (current.text.back() == '\n' || current.text.back() == '\r'))
                current.text.pop_back();
            batches.push_back(std::move(current));
            current = {};
        } else if (current.text.empty() && bare.rfind("-- ", 0) == 0) {
            current.description = bare.substr(3);
        } else if (!(current.text.empty() && bare.empty())) {
            current.text += line + "\n";
        }
    }
    return batches;
}

// The recorded statements the component sends (tests/data/statements.tsql), in file order.
inline std::vector<RecordedBatch> statementCorpus()
{
    const std::string path = ORVAN_TEST_DIR "/data/statements.tsql";
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream content;
    content << file.rdbuf();
    return parseStatementBatches(content.str());
}

// The same by description; of two batches with one description the later one counts.
inline std::map<std::string, std::string> statementCorpusByDescription()
{
    std::map<std::string, std::string> batches;
    for (auto &batch : statementCorpus())
        batches[batch.description] = std::move(batch.text);
    return batches;
}

} // namespace orvan::test
