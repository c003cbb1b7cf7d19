// The program's texts are GBK; the tests write theirs in UTF-8 and compare bytes.
#pragma once

#include <string>

#include "hex.h"

std::string Gbk(const std::string& utf8);  // empty when the text has no GBK form
std::string Utf8(const std::string& gbk);  // for messages
