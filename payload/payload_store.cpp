#include "payload/payload_store.h"

#include "app/embed.h"

// The build lays the inputs out under PAYLOAD_LAYOUT as they stand in the product folder.
#define PAYLOAD_FILE(name, file) EMBED_BLOCK(name, PAYLOAD_LAYOUT "/" file)

PAYLOAD_FILE(payload01, "青禾音乐盒.exe");
PAYLOAD_FILE(payload02, "卸载.exe");
PAYLOAD_FILE(payload03, "tade/配置文件.ini");
PAYLOAD_FILE(payload04, "tade/配置文件教程.ini");
PAYLOAD_FILE(payload05, "使用说明.txt");
PAYLOAD_FILE(payload06, "青禾音乐盒v2.0版本更新信息.txt");
PAYLOAD_FILE(payload07, "com.run");
PAYLOAD_FILE(payload08, "dp1.fne");
PAYLOAD_FILE(payload09, "eAPI.fne");
PAYLOAD_FILE(payload10, "EThread.fne");
PAYLOAD_FILE(payload11, "HtmlView.fne");
PAYLOAD_FILE(payload12, "iext5.fne");
PAYLOAD_FILE(payload13, "iext.fnr");
PAYLOAD_FILE(payload14, "internet.fne");
PAYLOAD_FILE(payload15, "krnln.fnr");
PAYLOAD_FILE(payload16, "shell.fne");
PAYLOAD_FILE(payload17, "shellEx.fne");
PAYLOAD_FILE(payload18, "spec.fne");

#define PAYLOAD_SYMBOLS(name) extern "C" const unsigned char name##_begin[], name##_end[];
PAYLOAD_SYMBOLS(payload01)
PAYLOAD_SYMBOLS(payload02)
PAYLOAD_SYMBOLS(payload03)
PAYLOAD_SYMBOLS(payload04)
PAYLOAD_SYMBOLS(payload05)
PAYLOAD_SYMBOLS(payload06)
PAYLOAD_SYMBOLS(payload07)
PAYLOAD_SYMBOLS(payload08)
PAYLOAD_SYMBOLS(payload09)
PAYLOAD_SYMBOLS(payload10)
PAYLOAD_SYMBOLS(payload11)
PAYLOAD_SYMBOLS(payload12)
PAYLOAD_SYMBOLS(payload13)
PAYLOAD_SYMBOLS(payload14)
PAYLOAD_SYMBOLS(payload15)
PAYLOAD_SYMBOLS(payload16)
PAYLOAD_SYMBOLS(payload17)
PAYLOAD_SYMBOLS(payload18)

namespace {

struct Span {
  const unsigned char* begin;
  const unsigned char* end;
};

#define PAYLOAD_SPAN(name) \
  { name##_begin, name##_end }
const Span kSpans[kPayloadCount] = {
    PAYLOAD_SPAN(payload01), PAYLOAD_SPAN(payload02), PAYLOAD_SPAN(payload03),
    PAYLOAD_SPAN(payload04), PAYLOAD_SPAN(payload05), PAYLOAD_SPAN(payload06),
    PAYLOAD_SPAN(payload07), PAYLOAD_SPAN(payload08), PAYLOAD_SPAN(payload09),
    PAYLOAD_SPAN(payload10), PAYLOAD_SPAN(payload11), PAYLOAD_SPAN(payload12),
    PAYLOAD_SPAN(payload13), PAYLOAD_SPAN(payload14), PAYLOAD_SPAN(payload15),
    PAYLOAD_SPAN(payload16), PAYLOAD_SPAN(payload17), PAYLOAD_SPAN(payload18),
};

}  // namespace

PayloadEntry PayloadAt(int index) {
  const Span& span = kSpans[index - 1];
  return {kPayloadPaths[index - 1], {static_cast<int32_t>(span.end - span.begin), span.begin}};
}
