// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Damaged and oversized kqnet.ini contents for the hostile-file tests. Each one holds, somewhere,
// the two servers of ValidServerBlock, so a test can tell that what is readable was read.
#include <cstddef>
#include <string>

// alpha (drive, streaming on port 515) and beta (printer, LPR queue lp), with `eol` after each line.
std::string ValidServerBlock(const std::string& eol = "\n");

// About `bytes` of ordinary key lines in a section of their own.
std::string FillerKeys(std::size_t bytes);
// `count` sections of one key each.
std::string ManySections(std::size_t count);
// A comment, a key value and a line without '=' of `length` bytes each.
std::string LongLines(std::size_t length);
// `bytes` of random bytes from a fixed seed, ending in a line break.
std::string BinaryNoise(std::size_t bytes);
// The block with NUL bytes inside its lines and headers, which end the content of their line.
std::string BlockWithNuls();
// `servers` servers with stream and LPR printing on whose queue counts are 2^31 - 1, and no queue
// keys at all.
std::string HugeQueueCounts(int servers);
// A server count of 2^31 - 1 and `servers` server keys each 4095 numbers after the one before.
std::string ChainOfGaps(int servers);
