// The characters the four programs draw, by the font state each is drawn in: every text the
// scene walk of each program draws. Written by bench/glyph-census; run it again when lesson
// texts change.
#include "drawn_characters.h"

namespace {

const DrawnCharacters DRAWN[] = {
    {u8"MT Extra", 56, 1, 1, true, false,
     u8"l"},
    {u8"Times New Roman", 8, 10, 7, true, true,
     u8"acx"},
    {u8"Times New Roman", 8, 12, 5, true, true,
     u8"acx"},
    {u8"ゴシック", 8, 6, 3, true, false,
     u8"2"},
    {u8"ゴシック", 11, 3, 3, true, false,
     u8"×"},
    {u8"ゴシック", 14, 3, 3, true, false,
     u8"="},
    {u8"ゴシック", 15, 3, 2, true, false,
     u8"12345"},
    {u8"ゴシック", 16, 1, 1, true, false,
     u8"÷→①②③④⑤⑥⑦⑧⑨⑩⑪　。あいうおかきけげさしたつてとにのはひびまめよろをキ"
     u8"スッテプー下了予何使例倍偶入公共分力号味和問因図大奇学導小差式復想意押数明次番積"
     u8"答終続練習解証話課身通連題，－．０１２３４５６７８９Ｐ～"},
    {u8"ゴシック", 16, 2, 3, true, false,
     u8"±×÷π…※→≠①②③④⑤⑥△○　、。あいうえおかがきくけこさしじすせぜそただっ"
     u8"つてでとどなにのはばひびべほまみめもやよらりるれろわをんアイカクグジチットドニバ"
     u8"プマメュョラン・ー中乗了予人他代使例係倍値偶入公共出分列利則化単取各合同味和問因"
     u8"図場壇変多大奇子字学対導小展差平式形復性想意抜換教数整文方明書枚横次正求法消理用"
     u8"由異科積等答算簡約終組絶続緑練縦置習考色花表裏解計証説課調質身辺逆通連道選部配量"
     u8"長開間関除隊面項題類黄！（）＋－１２３＜＝＞？ＣＦＯＰａｂｄｅｉｌｍｎｏｒｓｔｖ"
     u8"ｗ｛｝"},
    {u8"ゴシック", 16, 3, 2, true, false,
     u8".2"},
    {u8"ゴシック", 16, 3, 3, true, false,
     u8"(),0123456789<>?ABCDMPQSXbdmnpqrtyz{}"},
    {u8"ゴシック", 16, 3, 4, true, false,
     u8"()"},
    {u8"ゴシック", 16, 4, 2, true, false,
     u8"0123456789bdy"},
};

}  // namespace

std::span<const DrawnCharacters> drawnCharacters() { return DRAWN; }
