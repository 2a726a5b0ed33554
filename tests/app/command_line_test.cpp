// The window program's command line: what it takes from the arguments.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <optional>
#include <string>

#include "res/strings_app.h"

namespace {

struct SParseCase {
    const char* name;
    QStringList arguments;  // after the program's name
    bool bOk;
    std::optional<std::string> port;
    std::optional<std::string> file;
    bool bHelp = false;
    bool bVersion = false;
    const char* error = "";
};

TEST(CommandLine, TakesThePortTheFileAndRefusesTheRest) {
    using S = std::optional<std::string>;
    const SParseCase cases[] = {
        {"nothing", {}, true, {}, {}},
        {"a file", {"book.vq"}, true, {}, S("book.vq")},
        {"port and file",
         {"--port", "/dev/ttyUSB0", "book.vq"},
         true,
         S("/dev/ttyUSB0"),
         S("book.vq")},
        {"port with =", {"--port=/dev/pts/3"}, true, S("/dev/pts/3"), {}},
        {"port by its name", {"--port", "com5"}, true, S(R"(\\.\COM5)"), {}},
        {"file after --", {"--", "-odd.vq"}, true, {}, S("-odd.vq")},
        {"help", {"-h"}, true, {}, {}, true},
        {"long help", {"--help"}, true, {}, {}, true},
        {"version", {"-v"}, true, {}, {}, false, true},
        {"long version", {"--version"}, true, {}, {}, false, true},
        {"unknown option", {"--bogus"}, false, {}, {}, false, false, "Unknown option 'bogus'."},
        {"port without its value",
         {"--port"},
         false,
         {},
         {},
         false,
         false,
         "Missing value after '--port'."},
        {"two files", {"a.vq", "b.vq"}, false, {}, {}, false, false, res::kCmdLineOneFile},
        // A Qt option Qt did not take is one word, not the letters -r -e -v ...
        {"a single-dash word",
         {"-reverse"},
         false,
         {},
         {},
         false,
         false,
         "Unknown option 'reverse'."},
    };
    for (const auto& c : cases) {
        app::CCommandLine line;
        QStringList arguments = c.arguments;
        arguments.prepend(QStringLiteral("zelkorconfig"));
        EXPECT_EQ(line.Parse(arguments), c.bOk) << c.name;
        EXPECT_EQ(line.Error().toStdString(), c.error) << c.name;
        if (!c.bOk) {
            EXPECT_FALSE(line.WantsVersion()) << c.name;
            continue;
        }
        EXPECT_EQ(line.Port(), c.port) << c.name;
        EXPECT_EQ(line.File(), c.file) << c.name;
        EXPECT_EQ(line.WantsHelp(), c.bHelp) << c.name;
        EXPECT_EQ(line.WantsVersion(), c.bVersion) << c.name;
    }
}

}  // namespace
