// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/cli/cli_fixture.h"

#include "cli/norvanectl.h"

#include <sstream>

CliRun RunCli(const std::vector<std::string>& arguments, const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunNorvanectl(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

std::string CliGolden(const std::string& name)
{
    const std::string own = std::string(NORVANE_CLI_TEST_DIR) + "/golden/" + name;
    const std::string bytes = ReadFileBytes(own);
    return bytes.empty() ? ReadFileBytes(std::string(NORVANE_CONFIG_GOLDEN_DIR) + "/" + name) : bytes;
}

std::string CliTestFile(const std::string& name)
{
    return std::string(NORVANE_CLI_TEST_DIR) + "/" + name;
}
