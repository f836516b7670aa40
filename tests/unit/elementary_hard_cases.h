// Published hardest-to-round arguments (V. Lefevre and J.-M. Muller's
// searches for exp and log, which leave 45 to 64 identical bits after the
// rounding bit, and the known hardest cases of pow with up to 153), a
// sample across their ranges. A correctly rounded function must get each
// of them right, which needs about 2^-120 relative accuracy (2^-210 for pow).
#pragma once

namespace Zq::Test {

inline constexpr double kExpHardCases[] = {
    0x1.0122ef37212ebp-1,  0x1.00d48a707b93ep-1,  0x1.0582220d9645ep-1,  0x1.1058a8cd8e069p-1,  0x1.2b2f6c2d827ep-1,
    0x1.3d963bb752ap-1,    0x1.4095d4fb5304p-1,   0x1.5da74f9de668p-1,   0x1.62e062da73194p-1,  0x1.7bdc1d71d1fa4p-1,
    0x1.9c2a5deab0309p-1,  0x1.a39f1e3bc67ebp-1,  0x1.c43682353601ep-1,  0x1.e428903e62d8bp-1,  0x1.fedc746ddf8fap-1,
    0x1.008eb56314daap+0,  0x1.075a4eac01d43p+0,  0x1.12f8d9c3a7e66p+0,  0x1.2816b1dc57455p+0,  0x1.35abff3cf7fc5p+0,
    0x1.4576d45be6677p+0,  0x1.564a134a99a33p+0,  0x1.634475bcb1429p+0,  0x1.6f1b50dc653dbp+0,  0x1.718eb2bca77dp+0,
    -0x1.779efe82429dfp+7, -0x1.7863eb17387adp-19, -0x1.7a00000000023p-47, -0x1.7a860000022fbp-39, -0x1.7b69560232511p-31,
    -0x1.80000018p-26,     -0x1.816f94ded2161p+7, -0x1.8498a00024ddfp-35, -0x1.88097c5202266p+8, -0x1.8d414fba7abdp+8,
    -0x1.9000000000005p-50, -0x1.9344706590d63p+8, -0x1.9429812eb696bp+8, -0x1.9d1822029a96ep-31, -0x1.a54105bf235dap+8,
    -0x1.aa1dde8067861p+8, -0x1.b3eb49fdf7a63p+8, -0x1.bba1cad7ab418p+8, -0x1.c57005deedb16p+8, -0x1.cadd022b1859dp+8,
    -0x1.d33cb182117e2p+8, -0x1.dbafa69df3ddfp+8, -0x1.e95ce5c126f22p+8, -0x1.f1403e6266858p+8, -0x1.f5fc7e29c15a5p+8,
    -0x1.fd7473ea3d816p+8, -0x1.ff171507f8ba5p-30, -0x1.fcbb7c8cdcf8dp-16, -0x1.ec8b363292214p-1, -0x1.d9056602a7b7ep-1,
};

inline constexpr double kLogHardCases[] = {
    0x1.a6ae5142326b5p+0,  0x1.a6ba95b1520f9p+0,  0x1.b072ab04ee9bfp+0,  0x1.c877cba59d0acp+0,  0x1.1e852e6951306p+1,
    0x1.dafdb40362537p+0,  0x1.efcbe699decc2p+0,  0x1.f9350fee893ddp+0,  0x1.000976581ce4ep+1,  0x1.24dea21900258p+1,
    0x1.3fa2991e8c0c2p+1,  0x1.547de187239f2p+1,  0x1.967e2d739876bp+1,  0x1.ffcd1f1e0c16fp+1,  0x1.2d26e1ebebee6p+2,
    0x1.94a11eb4a79dfp+2,  0x1.39e3e05fe5f35p+3,  0x1.0af4fba7063b8p+4,  0x1.84a5538257275p+4,  0x1.0bb1747d46314p+5,
    0x1.186e96b6dca56p+6,  0x1.15956b273c365p+8,  0x1.07598f4a78f02p+9,  0x1.38a3dbb5a6a4fp+10, 0x1.1e88509f96c39p+11,
    0x1.a455a70c31d8p+13,  0x1.467cb238723a1p+15, 0x1.561031d4db97cp+16, 0x1.51335f6f0989cp+18, 0x1.7d822b508bb3bp+20,
    0x1.5106c15d1fc3fp+22, 0x1.30dafba546295p+24, 0x1.70945ecdc0194p+28, 0x1.69f42533c22b5p+32, 0x1.01aa6f66fd292p+35,
    0x1.deab16bf0cba3p+37, 0x1.c3b1ebb677eabp+39, 0x1.304da5ffcea3dp+42, 0x1.a6004162f2b8cp+45, 0x1.131425b692c14p+46,
    0x1.fffffffffbb27p-1,  0x1.fffffffffa88fp-1,  0x1.fffffffff9e96p-1,  0x1.fffffffff84d9p-1,  0x1.fffffffff80b5p-1,
    0x1.0000000000bffp+0,  0x1.00000000020b5p+0,  0x1.0000000002f4bp+0,  0x1.00000000044d9p+0,  0x1.0000000005b27p+0,
    0x1.0000000007f4bp+0,  0x1.ffffffffffeb5p-1,  0x1.ffffffffffd27p-1,  0x1.ffffffffffb6ap-1,  0x1.ffffffffff82dp-1,
    0x1.00000000000c1p+0,  0x1.0000000000081p+0,
};

struct PowArguments {
  double x;
  double y;
};

inline constexpr PowArguments kPowHardCases[] = {
    {0x1.ffffffffffffcp-1, 0x1.fffffffffffffp-2},
    {0x1.ffffffffffffcp-1, -0x1.ffffffffffffdp-2},
    {0x1.ffffffffffffp-1, -0x1.ffffffffffff6p-3},
    {0x1.ffffffffffff8p-1, -0x1.ffffffffffffbp-3},
};

}  // namespace Zq::Test
