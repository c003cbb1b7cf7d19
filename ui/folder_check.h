#pragma once

// Why the destination page refuses a typed folder, or nullptr when it accepts it.
const char* FolderRefusal(const char* folder);

constexpr const char* kNoFolderMessage = "请先输入安装地址";
constexpr const char* kNotFullPathMessage = "请输入完整的安装路径，例如 C:\\Program Files\\";
constexpr const char* kTooLongMessage = "安装路径过长，请选择较短的文件夹";
constexpr const char* kBadCharacterMessage = "安装路径中含有无效的字符";
