#include "app/ParamCommands.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>
#include <memory>

#include "app/ProgramContext.h"
#include "base/Convert.h"
#include "base/Error.h"
#include "base/Text.h"
#include "component/AccountReason.h"
#include "component/ComponentRegistry.h"
#include "component/LoginContext.h"
#include "component/OutsideComponents.h"
#include "component/ProcessState.h"
#include "component/ProgIds.h"
#include "component/SysFace.h"
#include "db/SqlText.h"
#include "forms/TreeControl.h"
#include "params/ParameterSearch.h"
#include "params/ParameterTree.h"
#include "params/ProfileStore.h"

namespace orvan::app {
namespace {

struct ParamOptions
{
    int sysClass = 0;
    std::string systemId;
    int kind = 0;
    int tag = 0;
    std::string helpSystem;
    std::string category;
    std::string key;
    std::string value;
};

// Starts the components and opens the account as the process-wide connection.
void connect(ProgramContext &context)
{
    context.start();
    component::processState().connection =
        component::ComponentRegistry::instance().createAs<component::ConnectionComponent>(
            component::ProgId::Connection);
}

void runTree(const ParamOptions &options, ProgramContext &context)
{
    connect(context);
    component::processState().systemId = options.systemId;
    forms::TreeControl tree;
    params::ParameterTree builder;
    builder.setTree(&tree);
    builder.buildTree(options.sysClass);
    printTree(std::cout, tree);
}

void runDetailSql(const ParamOptions &options, ProgramContext &context)
{
    connect(context);
    auto &state = component::processState();
    state.systemId = options.systemId;
    state.helpSystem = options.helpSystem;
    base::tryStep(params::loadPeriodDefineMethod);
    std::string sql;
    params::ParameterTree().GetDetailSql(options.kind, options.tag, sql);
    std::cout << sql << std::flush;
}

// Why option get answered -1, for the person at the terminal: a UserID that is no
// number, or an account that cannot be opened.
void explainNoAnswer()
{
    component::ParseLoginProps(component::LoginPropsString());
    const auto user = base::trim(component::GetLoginProp("UserID"));
    if (!base::isNumericText(user)) {
        std::cerr << "option get: the login's UserID \"" << user
                  << "\" is not a number, so no user's option can be read\n";
        return;
    }
    try {
        component::ComponentRegistry::instance()
            .createAs<component::ConnectionComponent>(component::ProgId::Connection)
            ->Execute("SELECT 1");
    } catch (const base::Error &error) {
        std::cerr << "option get: " << component::userErrorText(error) << "\n";
    }
}

void runOptionGet(const ParamOptions &options, ProgramContext &context)
{
    context.start();
    auto face = component::ComponentRegistry::instance().createAs<component::SysFace>(
        component::ProgId::SysFace);
    const auto value = face->GetOptionValue(options.key);
    std::cout << value << "\n";
    // -1 is the answer callers expect for any failure (and the exit status stays 0, as
    // scripts rely on); the person at the terminal also learns the likeliest reason.
    if (value == -1)
        explainNoAnswer();
}

void runProfileGet(const ParamOptions &options, ProgramContext &context)
{
    connect(context);
    const auto value = params::firstFieldText(
        "SELECT FValue FROM t_SystemProfile WHERE FKey=" + db::sqlQuote(options.key) +
            " And FCategory=" + db::sqlQuote(options.category),
        "FValue");
    std::cout << value.value_or("0") << "\n";
}

void runFind(const ParamOptions &options, ProgramContext &context)
{
    connect(context);
    const auto matches = params::findParameters(options.value);
    std::cout << "node\tcaption\tkey\tvalue\n";
    for (const auto &match : matches)
        std::cout << match.nodeKey << "\t" << match.caption << "\t" << match.key << "\t"
                  << match.value << "\n";
    if (matches.empty())
        throw base::Error(-1, "nothing matches \"" + options.value + "\"");
}

void runProfileSet(const ParamOptions &options, ProgramContext &context)
{
    connect(context);
    params::UpsertProfileValue(options.category, options.key, options.value);
}

// Adds a subcommand whose callback runs body guarded.
CLI::App *command(CLI::App &parent, const std::string &name, const std::string &help,
                  ProgramContext &context, std::function<void()> body)
{
    auto *sub = parent.add_subcommand(name, help);
    sub->callback([&context, body = std::move(body)] { context.guarded(body); });
    return sub;
}

void addTreeCommands(CLI::App &cli, ProgramContext &context,
                     const std::shared_ptr<ParamOptions> &options)
{
    auto *tree = command(cli, "tree", "Print the parameter tree of a class for the login", context,
                         [options, &context] { runTree(*options, context); });
    tree->add_option("--class", options->sysClass, "Class of parameters (0 to 5)")
        ->required()
        ->check(CLI::Range(0, 5));
    tree->add_option("--system", options->systemId, "Calling subsystem code");

    auto *detail = command(cli, "detail-sql", "Print the ledger query of a node", context,
                           [options, &context] { runDetailSql(*options, context); });
    detail->add_option("KIND", options->kind, "Detail kind of the node")->required();
    detail->add_option("TAG", options->tag, "Tag of the node")->required();
    detail->add_option("--system", options->systemId, "Calling subsystem code");
    detail->add_option("--help-system", options->helpSystem, "Help-system name");
}

void addValueCommands(CLI::App &cli, ProgramContext &context,
                      const std::shared_ptr<ParamOptions> &options)
{
    auto *option = cli.add_subcommand("option", "Module options");
    option->require_subcommand(1);
    auto *get = command(*option, "get", "Print the option value of the login's user", context,
                        [options, &context] { runOptionGet(*options, context); });
    get->add_option("KEY", options->key, "Option key")->required();

    auto *find = command(cli, "find", "Print the parameters that hold a text", context,
                         [options, &context] { runFind(*options, context); });
    find->add_option("TEXT", options->value, "Text of a caption, key or value")->required();

    auto *profile = cli.add_subcommand("profile", "Values of t_SystemProfile");
    profile->require_subcommand(1);
    auto *read = command(*profile, "get", "Print one value (\"0\" when absent)", context,
                         [options, &context] { runProfileGet(*options, context); });
    read->add_option("CATEGORY", options->category, "Category")->required();
    read->add_option("KEY", options->key, "Key")->required();
    auto *write = command(*profile, "set", "Write one value", context,
                          [options, &context] { runProfileSet(*options, context); });
    write->add_option("CATEGORY", options->category, "Category")->required();
    write->add_option("KEY", options->key, "Key")->required();
    write->add_option("VALUE", options->value, "Value")->required();
}

} // namespace

void printTree(std::ostream &out, const forms::TreeControl &tree)
{
    for (const auto *node : tree.displayOrder())
        out << std::string(2 * tree.depthOf(*node), ' ') << node->key << "\t" << node->caption
            << "\t" << node->tag << "\n";
}

void addParamCommands(CLI::App &cli, ProgramContext &context)
{
    auto options = std::make_shared<ParamOptions>();
    addTreeCommands(cli, context, options);
    addValueCommands(cli, context, options);
}

} // namespace orvan::app
