#include "settings/paper_sizes.h"

#include <string_view>

namespace folio {

void PaperSheetSize(const ComposeSettings& compose, int& width, int& height) {
  struct Paper {
    std::u16string_view name;
    int width;
  };
  static constexpr Paper kPapers[] = {
      {u"L版（89×127）", 4708},   {u"はがき（102×152）", 4917}, {u"A4（210×297）", 4653},
      {u"八切（165×216）", 4320}, {u"六切（203×254）", 4129},   {u"四切（254×305）", 3962},
      {u"半切（356×432）", 4004},
  };
  if (compose.PaperSize == u"カスタム") {
    width = compose.CreateJpgWidth;
    height = compose.CreateJpgHeight;
    return;
  }
  width = 4708;  // any other text: the L size
  height = 3300;
  for (const Paper& paper : kPapers) {
    if (compose.PaperSize == paper.name) width = paper.width;
  }
}

}  // namespace folio
