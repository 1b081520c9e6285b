// The ladder's rungs above the singles and locked candidates, each on a board where it is
// the easiest step: the ladder names exactly that rung with exactly the pinned removals
// (and the placement they make at once), and the step holds in every completion of the
// board. The boards are positions met on the way through puzzles thinned out by the
// complete search (tools/technique_positions finds and prints them); the hidden quad's is
// built by hand, as a hidden quad is the easiest step only in a unit without any value.
#include "engine/hint.h"
#include "engine/search.h"
#include "play/hinttext.h"
#include "support_pure/puzzles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <tuple>

namespace {

struct Position {
    Technique technique;
    const char* field; // the 21-line form: a digit or "." in a cell, a blank outside the grids
    std::vector<Removal> removed;
    std::optional<Placement> placed; // the single the removals make at once
};

// The values of the 21-line form, both copies of a shared cell.
Board boardOf(std::string_view field) {
    Board b;
    int Y = 0;
    for (std::size_t start = field.find('\n') + 1; start < field.size(); ++Y) {
        const std::size_t end = field.find('\n', start);
        for (std::size_t x = start; x < end; ++x)
            if (field[x] >= '1' && field[x] <= '9')
                for (const puzzles::GridCell& c :
                     puzzles::cellsAt(static_cast<int>(x - start) + 1, Y + 1))
                    b.cellValue(c.grid, c.column, c.row) =
                        static_cast<std::uint8_t>(field[x] - '0');
        start = end + 1;
    }
    return b;
}

// True when no completion of b has digit in cell c.
bool impossible(Board b, const HintCell& c, int digit) {
    b.cellValue(c.grid, c.column, c.row) = static_cast<std::uint8_t>(digit);
    int og, oc, orow;
    if (otherCopy(c.grid, c.column, c.row, og, oc, orow))
        b.cellValue(og, oc, orow) = static_cast<std::uint8_t>(digit);
    return countSolutions(b, 1) == 0;
}

std::vector<Removal> sorted(std::vector<Removal> removals) {
    std::sort(removals.begin(), removals.end(), [](const Removal& a, const Removal& b) {
        return std::tie(a.cell.grid, a.cell.row, a.cell.column, a.digit) <
               std::tie(b.cell.grid, b.cell.row, b.cell.column, b.digit);
    });
    return removals;
}

const Position kPositions[] = {
    // Nacktes Paar, seed 1079
    {Technique::NakedPair,
     R"(
612734895   94..12356
854619732   35..9.172
397582146   ...3.5948
745361289   8..5..46.
286495371   ...98..13
139278654   .3...1.8.
9238465176934821..695
468157923184675249831
571923468752193658724
      135269847
      289471536
      674538921
346981752846319784652
521734896317254693718
897256341925768251934
164375928   981467325
239418567   532819467
785692134   647532891
912843675   493128576
453167289   826375149
678529413   175946283
)",
     {{{1, 6, 5}, 7}},
     std::nullopt},
    // Nackter Dreier, seed 1059
    {Technique::NakedTriple,
     R"(
548261793   819357642
672943815   234816975
193578264   576942138
385612947   423569817
426897351   768231594
719354628   195784326
861439572896341675289
934725186243957128463
257186439175682493751
      264381795
      715924863
      398567214
184657923458176.3.284
725398641739528164739
639142857612439827516
578923164   8.7.4.36.
391486275   36..7..4.
246715398   ..4683.7.
967834512   ....5..27
453261789   .8571.493
812579436   7...9.65.
)",
     {{{4, 4, 9}, 2}},
     std::nullopt},
    // Verstecktes Paar, seed 1544
    {Technique::HiddenPair,
     R"(
653429187   678912354
497813526   ...835267
218657349   523764981
584731692   741623598
732964815   8..571432
961582473   235498176
846295731546982157643
125378964128357246819
379146258793...389725
      ...472...
      ....1.27.
      .27.3....
749258613954728495613
156943872361549361728
823176549287631278495
412597386   856143279
397862451   473529186
568431297   912687354
234789165   297834561
675314928   365912847
981625734   184756932
)",
     {{{2, 9, 5}, 5}, {{2, 9, 5}, 6}},
     std::nullopt},
    // Versteckter Dreier, seed 2494
    {Technique::HiddenTriple,
     R"(
437261895   954618372
985374612   236745891
216598437   718932654
523716984   479281563
864925371   623459187
791843526   581376429
342687159867342567918
678159243591867194235
159432768234195823746
      621349578
      495718623
      837652914
461739582976431795...
358162974183256148379
297854316425789263415
586427139   ..2534..7
713695248   ...621.3.
942318657   .6.9871..
179243865   ....72...
835976421   9...16..3
624581793   6..359.8.
)",
     {{{4, 1, 7}, 1}, {{4, 3, 7}, 4}, {{4, 3, 8}, 4}, {{4, 3, 8}, 7}},
     Placement{{4, 1, 4}, 1}},
    // X-Wing, seed 1233
    {Technique::XWing,
     R"(
..156.4.3   372981564
5.4.2319.   965742138
.3.9145.7   184653792
1..68.342   419378256
.46.329.5   857126943
..345.7..   236495817
4...95631792548269371
3...4.879345621537489
...37.254186793814625
      512863974
      497251836
      386974215
7621389456371825347..
453972168429357698142
819546723518469271..5
928763451   .15.47.2.
534219687   29.1.54.7
671854392   74...25.1
296387514   .3145927.
147625839   574826913
385491276   92.713.54
)",
     {{{4, 7, 4}, 8}},
     std::nullopt},
    // Nackter Vierer, seed 1959
    {Technique::NakedQuad,
     R"(
862379154   659472318
593214678   472138596
741865293   381695427
134952867   264917835
978136542   718563942
625487931   593284671
357621489375126849753
289543716428935726184
416798325169847351269
      132796458
      948513762
      657284391
5468712938516748..92.
978243561947283......
2139658746325192..3..
694158732   ..241....
127396458   ..8...2..
385724619   46..2879.
751489326   ...68..72
869532147   ..674.5.9
432617985   ..7.9....
)",
     {{{4, 6, 2}, 1},
      {{4, 6, 2}, 5},
      {{4, 6, 4}, 3},
      {{4, 6, 4}, 5},
      {{4, 6, 5}, 3},
      {{4, 6, 5}, 5}},
     std::nullopt},
    // Built by hand: row 1 of grid 1 holds no value; the 1 to 4 are kept out of its columns
    // 3 and 6 by those columns and out of columns 7 to 9 by their box, so they have the four
    // other cells to themselves; every other cell keeps five candidates or more.
    {Technique::HiddenQuad,
     R"(
.........   .........
......123   .........
......4..   .........
..1..3...   .........
..2..4...   .........
.........   .........
..3..1...............
..4..2...............
.....................
      .........
      .........
      .........
.....................
.....................
.....................
.........   .........
.........   .........
.........   .........
.........   .........
.........   .........
.........   .........
)",
     {{{0, 1, 1}, 5}, {{0, 1, 1}, 6}, {{0, 1, 1}, 7}, {{0, 1, 1}, 8}, {{0, 1, 1}, 9},
      {{0, 2, 1}, 5}, {{0, 2, 1}, 6}, {{0, 2, 1}, 7}, {{0, 2, 1}, 8}, {{0, 2, 1}, 9},
      {{0, 4, 1}, 5}, {{0, 4, 1}, 6}, {{0, 4, 1}, 7}, {{0, 4, 1}, 8}, {{0, 4, 1}, 9},
      {{0, 5, 1}, 5}, {{0, 5, 1}, 6}, {{0, 5, 1}, 7}, {{0, 5, 1}, 8}, {{0, 5, 1}, 9}},
     std::nullopt},
    // Schwertfisch, seed 1657
    {Technique::Swordfish,
     R"(
724185936   576342918
185693274   298671543
936427815   341895276
857249163   613257894
461358729   985164732
392716458   724938651
513974682195437526189
679832541372869713425
248561397864152489367
      734659281
      916283745
      825417396
834517269738514976382
695248173546928135674
7213..458921673482195
576134982   895367241
38..7..14   742591836
41.8..73.   136824759
2.7..3841   469718523
14872.39.   381259467
9.3481.27   257643918
)",
     {{{3, 5, 7}, 6}, {{3, 6, 5}, 6}},
     std::nullopt},
    // XY-Wing, seed 1035
    {Technique::XYWing,
     R"(
469573812   132547869
283961547   497862351
157284963   586913724
594836721   768195243
728419635   921634578
316752489   354728196
945128376192845376912
671345298475613259487
832697154368279481635
      715983462
      823546791
      469217358
54917863275918439.5.2
1382695478219365..18.
2673549816345278.139.
673915824   652174938
851742396   3796.84.1
924683175   84193.6..
312496758   4982137..
486537219   765489213
795821463   2137..849
)",
     {{{4, 9, 2}, 7}},
     Placement{{4, 9, 2}, 4}},
    // XYZ-Wing, seed 1115
    {Technique::XYZWing,
     R"(
921...487   745293861
864927351   613784952
753841269   982165374
1394..87.   351827649
2.8.1.6..   827946135
5.6..81..   469531728
417.8.926471538612497
385...714835296478513
692174538926174359286
      869147325
      142359867
      375268941
298761453782619235748
746395281694753489612
135428697513482671935
921637845   241357869
587914326   895164327
364582179   367928154
452176938   938546271
679843512   124793586
813259764   576812493
)",
     {{{0, 4, 5}, 3}},
     std::nullopt},
    // W-Wing, seed 1098
    {Technique::WWing,
     R"(
..1..4527   876139245
5.72..641   145268793
264751389   392547861
158.729.4   213986457
74.5.81.2   784352619
.2641.875   659714328
475..6218493567493182
612845793586421875936
8..127456271938621574
      389124756
      127965384
      564837219
146279835649172398654
583416972318645721983
279853641752893645172
467198253   518962437
391542786   324817596
852367194   769453821
735921468   487536219
928634517   931284765
614785329   256179348
)",
     {{{0, 5, 1}, 3}},
     std::nullopt},
    // Wolkenkratzer, seed 1375
    {Technique::Skyscraper,
     R"(
734986125   762835194
912543786   135942876
856271943   948176253
175492368   684527319
469358271   593461728
283167594   271389465
548739612738459213687
391624857194326798541
627815439652817654932
      598271634
      274386195
      163945782
862197345827961824735
39142578651924357..98
547386921463578.39..2
683274159   12945.3.7
215968437   63479..51
974531862   785.139..
436712598   45296...3
129853674   81634...9
758649213   397.8....
)",
     {{{4, 8, 3}, 6}},
     std::nullopt},
    // Drachen, seed 1362
    {Technique::TwoStringKite,
     R"(
319624785   893716254
452783196   156429378
768591342   472853169
581236479   527148693
936457218   319567842
274918653   684392715
645872931482765234981
197365824765931685427
823149567139248971536
      158374629
      372956184
      649821357
137925486217593471826
642183795643812..6475
958674213598476.2.319
473251869   73168...4
596837124   628.4..31
821496537   945.1..68
365718942   3.716..42
284569371   269754183
719342658   1.4...6.7
)",
     {{{4, 6, 4}, 9}},
     std::nullopt},
    // Einfärben, seed 2492
    {Technique::SimpleColouring,
     R"(
9435.768.   485137926
65.4.8.3.   126549837
1.863..54   397268541
7..854213   518496273
...763895   963712458
385..1476   742853169
.3.18.567148239685714
8..345129653874321695
5...76348972651974382
      853214796
      912765483
      674839512
153782496581327845916
687941235497168329457
492356781326945761382
248195673   273698145
376428159   419572863
915673824   856134279
834567912   531987624
761239548   682453791
529814367   794216538
)",
     {{{0, 2, 9}, 2}, {{0, 3, 7}, 2}},
     std::nullopt},
    // Widerspruchskette, seed 1031
    {Technique::ForcingChain,
     R"(
941756823   123869745
835241976   784125693
726839415   965473218
152693748   412398567
689472531   396547821
473518692   578216439
518924367418259681374
297365184592637954182
364187259367841732956
      473251986
      826943175
      591876324
635178942635718...345
479532618724593478126
821649735189462.5...9
763851294   8..7..491
592467381   1.48..657
184923576   97...4238
248795163   .89.475.3
317286459   .41.8...2
956314827   .576....4
)",
     {{{4, 1, 7}, 2}},
     Placement{{4, 1, 7}, 6}},
};

} // namespace

TEST(Ladder, EachRungAboveLockedCandidatesIsTheEasiestStepOnItsBoard) {
    std::vector<Technique> covered;
    for (const Position& p : kPositions) {
        SCOPED_TRACE(techniqueName(p.technique));
        const Board b = boardOf(p.field);
        const std::optional<Hint> hint = nextHint(b);
        ASSERT_TRUE(hint.has_value());
        SCOPED_TRACE(hintText(*hint));
        covered.push_back(hint->technique);
        EXPECT_EQ(hint->technique, p.technique) << techniqueName(hint->technique);
        EXPECT_TRUE(sorted(hint->removed) == sorted(p.removed));
        ASSERT_EQ(hint->found, p.placed.has_value());
        if (p.placed) {
            EXPECT_EQ(hint->target, p.placed->cell);
            EXPECT_EQ(hint->targetDigit, p.placed->digit);
        }
        // True in every completion: a removed digit has none, nor has any other digit in
        // the cell the step fills.
        for (const Removal& r : hint->removed)
            EXPECT_TRUE(impossible(b, r.cell, r.digit))
                << r.digit << " in " << r.cell.grid << "/" << r.cell.column << "/" << r.cell.row;
        if (p.technique == Technique::WWing) {
            EXPECT_EQ(hintText(*hint),
                      "Tipp: W-Wing – Gitter 1, Zeile 1, Spalte 1 und Gitter 1, Zeile 7, Spalte 5 "
                      "haben nur die 3 und 9; die 9 hat in Spalte 4 von Gitter 1 zwei Plätze, die "
                      "je eines davon sehen, so hat eines der beiden die 3; also fällt die 3 in "
                      "Gitter 1, Zeile 1, Spalte 5 weg.");
            EXPECT_EQ(hintText(*hint, true, HintLanguage::English),
                      "Hint: W-Wing – grid 1, row 1, column 1 and grid 1, row 7, column 5 hold "
                      "only the 3 and 9; the 9 has two places in column 4 of grid 1, each seeing "
                      "one of them, so one of the two holds the 3; so the 3 is ruled out in grid "
                      "1, row 1, column 5.");
        }
        for (int d = 1; d <= 9 && hint->found; ++d) {
            if (d != hint->targetDigit) {
                EXPECT_TRUE(impossible(b, hint->target, d)) << d;
            }
        }
    }
    for (int t = static_cast<int>(Technique::NakedPair); t < static_cast<int>(Technique::Guess);
         ++t)
        EXPECT_EQ(std::count(covered.begin(), covered.end(), static_cast<Technique>(t)), 1)
            << techniqueName(static_cast<Technique>(t));
}
