// The eleven support modules: file name, version and role of each, picked by the one
// MODULE_* name the build defines. Read by support_module.c and support_module.rc alike, so
// only macros live here. MODULE_PACKING and MODULE_SOCKET add the extra exports of two
// modules.
#ifndef SUPPORT_MODULES_H
#define SUPPORT_MODULES_H

#if defined(MODULE_DP1)
#define MODULE_FILE "dp1.fne"
#define MODULE_VERSION 2, 0, 50, 0
#define MODULE_VERSION_TEXT "2.0.50.0"
#define MODULE_ROLE "数据操作支持库"
#define MODULE_PACKING 1
#elif defined(MODULE_EAPI)
#define MODULE_FILE "eAPI.fne"
#define MODULE_VERSION 3, 0, 0, 0
#define MODULE_VERSION_TEXT "3.0.0.0"
#define MODULE_ROLE "应用接口支持库"
#elif defined(MODULE_ETHREAD)
#define MODULE_FILE "EThread.fne"
#define MODULE_VERSION 2, 0, 3, 0
#define MODULE_VERSION_TEXT "2.0.3.0"
#define MODULE_ROLE "多线程支持库"
#elif defined(MODULE_HTMLVIEW)
#define MODULE_FILE "HtmlView.fne"
#define MODULE_VERSION 2, 0, 51, 0
#define MODULE_VERSION_TEXT "2.0.51.0"
#define MODULE_ROLE "超文本浏览框支持库"
#elif defined(MODULE_IEXT5)
#define MODULE_FILE "iext5.fne"
#define MODULE_VERSION 2, 0, 0, 0
#define MODULE_VERSION_TEXT "2.0.0.0"
#define MODULE_ROLE "扩展界面支持库五"
#elif defined(MODULE_IEXT)
#define MODULE_FILE "iext.fnr"
#define MODULE_VERSION 2, 0, 2, 0
#define MODULE_VERSION_TEXT "2.0.2.0"
#define MODULE_ROLE "扩展界面支持库一"
#elif defined(MODULE_INTERNET)
#define MODULE_FILE "internet.fne"
#define MODULE_VERSION 2, 0, 0, 0
#define MODULE_VERSION_TEXT "2.0.0.0"
#define MODULE_ROLE "互联网支持库"
#elif defined(MODULE_KRNLN)
#define MODULE_FILE "krnln.fnr"
#define MODULE_VERSION 5, 0, 64, 0
#define MODULE_VERSION_TEXT "5.0.64.0"
#define MODULE_ROLE "系统核心支持库"
#define MODULE_SOCKET 1
#elif defined(MODULE_SHELL)
#define MODULE_FILE "shell.fne"
#define MODULE_VERSION 3, 0, 0, 0
#define MODULE_VERSION_TEXT "3.0.0.0"
#define MODULE_ROLE "操作系统界面功能支持库"
#elif defined(MODULE_SHELLEX)
#define MODULE_FILE "shellEx.fne"
#define MODULE_VERSION 3, 0, 0, 0
#define MODULE_VERSION_TEXT "3.0.0.0"
#define MODULE_ROLE "扩展功能支持库一"
#elif defined(MODULE_SPEC)
#define MODULE_FILE "spec.fne"
#define MODULE_VERSION 3, 0, 0, 0
#define MODULE_VERSION_TEXT "3.0.0.0"
#define MODULE_ROLE "特殊功能支持库"
#else
#error "define one MODULE_* name to pick the module"
#endif

#endif
