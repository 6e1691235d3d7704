// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/reliability/hostile_files.h"

#include <cstdio>
#include <random>

std::string ValidServerBlock(const std::string& eol)
{
    std::string block;
    for (const char* line : {"[ServerList]", "Server1=alpha,1,0,1,0", "Server2=beta,0,1,0,1", "NumServers=2", "",
                             "[StreamQueues]", "alphaStreamDefaultQueue=1", "alphaQueue1=515,0", "alphaNumQueues=1", "",
                             "[LPRQueues]", "betaQueue1=lp,f,guest,Lab", "betaNumQueues=1"})
        block.append(line).append(eol);
    return block;
}

std::string FillerKeys(std::size_t bytes)
{
    std::string text = "[Filler]\n";
    text.reserve(bytes + 64);
    char line[64];
    for (unsigned i = 0; text.size() < bytes; ++i) {
        const int n = std::snprintf(line, sizeof line, "key%08u=value of an ordinary length %u\n", i, i * 7u);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

std::string ManySections(std::size_t count)
{
    std::string text;
    text.reserve(count * 20);
    char line[64];
    for (std::size_t i = 0; i < count; ++i) {
        const int n = std::snprintf(line, sizeof line, "[section%zu]\nk=%zu\n", i, i);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

std::string LongLines(std::size_t length)
{
    std::string text = "[Filler]\n;" + std::string(length, 'c') + "\n";
    text += "Long=" + std::string(length, 'v') + "\n";
    text += std::string(length, 'w') + "\n";
    return text;
}

std::string BinaryNoise(std::size_t bytes)
{
    std::mt19937 random(20240601);
    std::string text(bytes, '\0');
    for (char& c : text)
        c = static_cast<char>(random() & 0xff);
    text.back() = '\n';
    return text;
}

std::string BlockWithNuls()
{
    using namespace std::string_literals;
    return "[Server\0List]\n"s            // not a header: its content is "[Server"
           "[ServerList]\0trailing]\n"s
           "Server1=alpha,1,0,1,0\0,1,1,1,1\n"s
           "\0Server3=ghost,1,1,1,1\n"s   // a blank line
           "Server2=beta,0,1,0,1\n"
           "NumServers=2\0 9\n"s
           "[StreamQueues]\n"
           "alphaStreamDefaultQueue=1\n"
           "alphaQueue1=515,0\0,1\n"s
           "alphaNumQueues=1\n"
           "[LPRQueues]\n"
           "betaQueue1=lp,f,guest,Lab\n"
           "betaNumQueues=1\0\0\0\n"s;
}

std::string HugeQueueCounts(int servers)
{
    std::string list = "[ServerList]\n";
    std::string stream = "[StreamQueues]\n";
    std::string lpr = "[LPRQueues]\n";
    char line[96];
    for (int n = 1; n <= servers; ++n) {
        std::snprintf(line, sizeof line, "Server%d=host%05d,1,1,1,1\n", n, n);
        list += line;
        std::snprintf(line, sizeof line, "host%05dStreamDefaultQueue=1\nhost%05dNumQueues=2147483647\n", n, n);
        stream += line;
        std::snprintf(line, sizeof line, "host%05dNumQueues=2147483647\n", n);
        lpr += line;
    }
    return list + "NumServers=" + std::to_string(servers) + "\n" + stream + lpr;
}

std::string ChainOfGaps(int servers)
{
    std::string text = "[ServerList]\nNumServers=2147483647\n";
    char line[64];
    for (int i = 0; i < servers; ++i) {
        std::snprintf(line, sizeof line, "Server%d=host%05d,1,0,0,0\n", 1 + 4095 * i, i);
        text += line;
    }
    return text;
}
