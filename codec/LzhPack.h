// LZHUF encoding, for the media tool: the stream that LzhUnpack decodes.
#pragma once
#include <string>
#include <string_view>

// The coded bits of data, without any header; the last byte is padded with zero bits.
std::string LzhPack(std::string_view data);
