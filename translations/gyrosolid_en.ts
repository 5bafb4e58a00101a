<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AutoRotationDialog</name>
    <message>
        <source>自動回転</source>
        <translation>Automatic rotation</translation>
    </message>
    <message>
        <source>横速度</source>
        <translation>Horizontal speed</translation>
    </message>
    <message>
        <source>縦速度</source>
        <translation>Vertical speed</translation>
    </message>
</context>
<context>
    <name>AxisDialog</name>
    <message>
        <source>任意回転軸</source>
        <translation>Arbitrary rotation axis</translation>
    </message>
    <message>
        <source>角度指定</source>
        <translation>Fixed angle</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>立体X軸</source>
        <translation>Solid X axis</translation>
    </message>
    <message>
        <source>立体Y軸</source>
        <translation>Solid Y axis</translation>
    </message>
    <message>
        <source>立体Z軸</source>
        <translation>Solid Z axis</translation>
    </message>
    <message>
        <source>画面X軸</source>
        <translation>Screen X axis</translation>
    </message>
    <message>
        <source>画面Y軸</source>
        <translation>Screen Y axis</translation>
    </message>
    <message>
        <source>画面Z軸</source>
        <translation>Screen Z axis</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FamilyDialogs</name>
    <message>
        <source>角錐・角柱</source>
        <translation>Pyramids and prisms</translation>
    </message>
    <message>
        <source>角数</source>
        <translation>Corners</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>幅ｘ</source>
        <translation>Width x</translation>
    </message>
    <message>
        <source>幅ｚ</source>
        <translation>Width z</translation>
    </message>
    <message>
        <source>上下ずれｘ</source>
        <translation>Top shift x</translation>
    </message>
    <message>
        <source>上下ずれｚ</source>
        <translation>Top shift z</translation>
    </message>
    <message>
        <source>底面角度</source>
        <translation>Base angle</translation>
    </message>
    <message>
        <source>ねじれ率</source>
        <translation>Twist</translation>
    </message>
    <message>
        <source>半角ずらす</source>
        <translation>Half-step turn</translation>
    </message>
    <message>
        <source>幅ｚ＝幅ｘ</source>
        <translation>Width z = width x</translation>
    </message>
    <message>
        <source>幅ｙ＝幅ｘ</source>
        <translation>Width y = width x</translation>
    </message>
    <message>
        <source>幅＝外接円径</source>
        <translation>Width = circumradius</translation>
    </message>
    <message>
        <source>辺接補正</source>
        <translation>Edge-tangent fit</translation>
    </message>
    <message>
        <source>アルキメデス補正</source>
        <translation>Archimedean fit</translation>
    </message>
    <message>
        <source>形</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>角錐</source>
        <translation>Pyramid</translation>
    </message>
    <message>
        <source>角錐(対配置)</source>
        <translation>Pyramid (pair)</translation>
    </message>
    <message>
        <source>角柱</source>
        <translation>Prism</translation>
    </message>
    <message>
        <source>双角錐</source>
        <translation>Bipyramid</translation>
    </message>
    <message>
        <source>反角柱</source>
        <translation>Antiprism</translation>
    </message>
    <message>
        <source>反双角錐</source>
        <translation>Trapezohedron</translation>
    </message>
    <message>
        <source>角形</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>Ｅ・Ｒ・Ｔ・Ｙキーでも角数を変更できます。</source>
        <translation>The E, R, T and Y keys change the corners too.</translation>
    </message>
    <message>
        <source>リミッター</source>
        <translation>Limiter</translation>
    </message>
    <message>
        <source>角数が多過ぎるかも。</source>
        <translation>Perhaps too many corners.</translation>
    </message>
    <message>
        <source>色相循環</source>
        <translation>Hue cycle</translation>
    </message>
    <message>
        <source>色相周回数</source>
        <translation>Hue turns</translation>
    </message>
    <message>
        <source>初期色相</source>
        <translation>Start hue</translation>
    </message>
    <message>
        <source>渦（球状用）</source>
        <translation>Swirl (spheres)</translation>
    </message>
    <message>
        <source>〔「角錐・角柱」「球状」で「固有配色」時に使用〕</source>
        <translation>[Used by &quot;Pyramids and prisms&quot; and &quot;Spheres&quot; with &quot;Intrinsic colours&quot;]</translation>
    </message>
    <message>
        <source>0：赤&#x3000;255：黄&#x3000;510：緑&#x3000;1020：青</source>
        <translation>0: red   255: yellow   510: green   1020: blue</translation>
    </message>
</context>
<context>
    <name>FieldRule</name>
    <message>
        <source>%1 より大きい数を入れてください</source>
        <translation>Enter a number above %1</translation>
    </message>
    <message>
        <source>数を入れてください</source>
        <translation>Enter a number</translation>
    </message>
    <message>
        <source>%1 より大きく %2 以下の数を入れてください</source>
        <translation>Enter a number above %1 and at most %2</translation>
    </message>
    <message>
        <source>%1～%2 の整数を入れてください</source>
        <translation>Enter a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>%1～%2 の数を入れてください</source>
        <translation>Enter a number from %1 to %2</translation>
    </message>
    <message>
        <source>整数を入れてください</source>
        <translation>Enter a whole number</translation>
    </message>
</context>
<context>
    <name>FigureMenu</name>
    <message>
        <source>正四面体(&amp;4)</source>
        <translation>Regular tetrahedron (&amp;4)</translation>
    </message>
    <message>
        <source>立方体(&amp;6)</source>
        <translation>Cube (&amp;6)</translation>
    </message>
    <message>
        <source>正八面体(&amp;8)</source>
        <translation>Regular octahedron (&amp;8)</translation>
    </message>
    <message>
        <source>正十二面体(&amp;C)</source>
        <translation>Regular dodecahedron (&amp;C)</translation>
    </message>
    <message>
        <source>正二十面体(&amp;N)</source>
        <translation>Regular icosahedron (&amp;N)</translation>
    </message>
    <message>
        <source>半正多面体</source>
        <translation>Archimedean solids</translation>
    </message>
    <message>
        <source>立方八面体</source>
        <translation>Cuboctahedron</translation>
    </message>
    <message>
        <source>二十・十二面体</source>
        <translation>Icosidodecahedron</translation>
    </message>
    <message>
        <source>斜方立方八面体</source>
        <translation>Rhombicuboctahedron</translation>
    </message>
    <message>
        <source>斜方二十・十二面体</source>
        <translation>Rhombicosidodecahedron</translation>
    </message>
    <message>
        <source>切頂四面体</source>
        <translation>Truncated tetrahedron</translation>
    </message>
    <message>
        <source>切頂立方体</source>
        <translation>Truncated cube</translation>
    </message>
    <message>
        <source>切頂八面体</source>
        <translation>Truncated octahedron</translation>
    </message>
    <message>
        <source>切頂十二面体</source>
        <translation>Truncated dodecahedron</translation>
    </message>
    <message>
        <source>切頂二十面体（サッカーボール型）</source>
        <translation>Truncated icosahedron (football)</translation>
    </message>
    <message>
        <source>切頂立方八面体</source>
        <translation>Truncated cuboctahedron</translation>
    </message>
    <message>
        <source>切頂二十・十二面体</source>
        <translation>Truncated icosidodecahedron</translation>
    </message>
    <message>
        <source>ねじれ立方八面体</source>
        <translation>Snub cube</translation>
    </message>
    <message>
        <source>ねじれ立方八面体（鏡像）</source>
        <translation>Snub cube (mirror)</translation>
    </message>
    <message>
        <source>ねじれ二十・十二面体</source>
        <translation>Snub dodecahedron</translation>
    </message>
    <message>
        <source>ねじれ二十・十二面体（鏡像）</source>
        <translation>Snub dodecahedron (mirror)</translation>
    </message>
    <message>
        <source>カタランの立体</source>
        <translation>Catalan solids</translation>
    </message>
    <message>
        <source>菱形十二面体</source>
        <translation>Rhombic dodecahedron</translation>
    </message>
    <message>
        <source>菱形三十面体</source>
        <translation>Rhombic triacontahedron</translation>
    </message>
    <message>
        <source>凧形二十四面体</source>
        <translation>Deltoidal icositetrahedron</translation>
    </message>
    <message>
        <source>凧形六十面体</source>
        <translation>Deltoidal hexecontahedron</translation>
    </message>
    <message>
        <source>三方四面体</source>
        <translation>Triakis tetrahedron</translation>
    </message>
    <message>
        <source>四方立方体（六方四面体）</source>
        <translation>Tetrakis hexahedron</translation>
    </message>
    <message>
        <source>三方八面体</source>
        <translation>Triakis octahedron</translation>
    </message>
    <message>
        <source>五方十二面体</source>
        <translation>Pentakis dodecahedron</translation>
    </message>
    <message>
        <source>三方二十面体</source>
        <translation>Triakis icosahedron</translation>
    </message>
    <message>
        <source>四方菱形十二面体（六方八面体）</source>
        <translation>Disdyakis dodecahedron</translation>
    </message>
    <message>
        <source>四方菱形三十面体（六方二十面体）</source>
        <translation>Disdyakis triacontahedron</translation>
    </message>
    <message>
        <source>五角二十四面体</source>
        <translation>Pentagonal icositetrahedron</translation>
    </message>
    <message>
        <source>五角二十四面体（鏡像）</source>
        <translation>Pentagonal icositetrahedron (mirror)</translation>
    </message>
    <message>
        <source>五角六十面体</source>
        <translation>Pentagonal hexecontahedron</translation>
    </message>
    <message>
        <source>五角六十面体（鏡像）</source>
        <translation>Pentagonal hexecontahedron (mirror)</translation>
    </message>
    <message>
        <source>ジョンソンの立体</source>
        <translation>Johnson solids</translation>
    </message>
    <message>
        <source>錐系</source>
        <translation>Pyramids</translation>
    </message>
    <message>
        <source>塔系</source>
        <translation>Cupolae and rotunda</translation>
    </message>
    <message>
        <source>錐柱・錐反柱系</source>
        <translation>Elongated pyramids</translation>
    </message>
    <message>
        <source>双錐系</source>
        <translation>Bipyramids</translation>
    </message>
    <message>
        <source>双錐柱・双錐反柱系</source>
        <translation>Elongated bipyramids</translation>
    </message>
    <message>
        <source>塔柱・塔反柱系</source>
        <translation>Elongated cupolae and rotundae</translation>
    </message>
    <message>
        <source>双塔系</source>
        <translation>Bicupolae and birotundae</translation>
    </message>
    <message>
        <source>双塔柱系</source>
        <translation>Elongated bicupolae and birotundae</translation>
    </message>
    <message>
        <source>双塔反柱系</source>
        <translation>Gyroelongated bicupolae and birotundae</translation>
    </message>
    <message>
        <source>側錐柱</source>
        <translation>Augmented prisms</translation>
    </message>
    <message>
        <source>正十二面体系</source>
        <translation>Augmented dodecahedra</translation>
    </message>
    <message>
        <source>正二十面体系</source>
        <translation>Diminished icosahedra</translation>
    </message>
    <message>
        <source>切頂正多面体系</source>
        <translation>Augmented truncated solids</translation>
    </message>
    <message>
        <source>斜方二十・十二面体系</source>
        <translation>Modified rhombicosidodecahedra</translation>
    </message>
    <message>
        <source>特殊系</source>
        <translation>Other Johnson solids</translation>
    </message>
    <message>
        <source>擬系・菱形系</source>
        <translation>Pseudo and rhombic solids</translation>
    </message>
    <message>
        <source>擬斜方立方八面体（ミラーの立体）</source>
        <translation>Pseudorhombicuboctahedron (Miller&apos;s solid)</translation>
    </message>
    <message>
        <source>擬凧形二十四面体</source>
        <translation>Pseudo-deltoidal icositetrahedron</translation>
    </message>
    <message>
        <source>菱形二十面体</source>
        <translation>Rhombic icosahedron</translation>
    </message>
    <message>
        <source>菱形十二面体第２種</source>
        <translation>Bilinski dodecahedron</translation>
    </message>
    <message>
        <source>菱形六十面体（凹型／参考用）</source>
        <translation>Rhombic hexecontahedron (concave, reference)</translation>
    </message>
    <message>
        <source>菱形六十面体（星型／参考用）</source>
        <translation>Rhombic hexecontahedron (stellated, reference)</translation>
    </message>
    <message>
        <source>菱形九十面体</source>
        <translation>Rhombic enneacontahedron</translation>
    </message>
    <message>
        <source>角錐・角柱</source>
        <translation>Pyramids and prisms</translation>
    </message>
    <message>
        <source>角錐</source>
        <translation>Pyramid</translation>
    </message>
    <message>
        <source>角錐（対配置）</source>
        <translation>Pyramid (pair)</translation>
    </message>
    <message>
        <source>角柱</source>
        <translation>Prism</translation>
    </message>
    <message>
        <source>双角錐</source>
        <translation>Bipyramid</translation>
    </message>
    <message>
        <source>反角柱</source>
        <translation>Antiprism</translation>
    </message>
    <message>
        <source>反双角錐</source>
        <translation>Trapezohedron</translation>
    </message>
    <message>
        <source>角形</source>
        <translation>Polygon</translation>
    </message>
    <message>
        <source>設定...</source>
        <translation>Settings...</translation>
    </message>
    <message>
        <source>球状系</source>
        <translation>Spheres</translation>
    </message>
    <message>
        <source>球状</source>
        <translation>Sphere</translation>
    </message>
    <message>
        <source>トーラス状（参考用）</source>
        <translation>Torus (reference)</translation>
    </message>
    <message>
        <source>フラクタル</source>
        <translation>Fractals</translation>
    </message>
    <message>
        <source>テトラフォース</source>
        <translation>Tetraforce</translation>
    </message>
    <message>
        <source>メンガーのスポンジ（不備有）</source>
        <translation>Menger sponge (incomplete)</translation>
    </message>
    <message>
        <source>八面体フラクタル</source>
        <translation>Octahedron fractal</translation>
    </message>
    <message>
        <source>十二面体フラクタル</source>
        <translation>Dodecahedron fractal</translation>
    </message>
    <message>
        <source>二十面体フラクタル</source>
        <translation>Icosahedron fractal</translation>
    </message>
    <message>
        <source>立方八面体フラクタル</source>
        <translation>Cuboctahedron fractal</translation>
    </message>
    <message>
        <source>二十・十二面体フラクタル</source>
        <translation>Icosidodecahedron fractal</translation>
    </message>
    <message>
        <source>菱形十二面体フラクタル</source>
        <translation>Rhombic dodecahedron fractal</translation>
    </message>
    <message>
        <source>菱形三十面体フラクタル</source>
        <translation>Rhombic triacontahedron fractal</translation>
    </message>
    <message>
        <source>斜方立方八面体フラクタル</source>
        <translation>Rhombicuboctahedron fractal</translation>
    </message>
    <message>
        <source>斜方二十・十二面体フラクタル</source>
        <translation>Rhombicosidodecahedron fractal</translation>
    </message>
    <message>
        <source>星型・複合（参考用）</source>
        <translation>Stars and compounds (reference)</translation>
    </message>
    <message>
        <source>小星型十二面体</source>
        <translation>Small stellated dodecahedron</translation>
    </message>
    <message>
        <source>大星型十二面体</source>
        <translation>Great stellated dodecahedron</translation>
    </message>
    <message>
        <source>大十二面体</source>
        <translation>Great dodecahedron</translation>
    </message>
    <message>
        <source>大二十面体</source>
        <translation>Great icosahedron</translation>
    </message>
    <message>
        <source>星型八面体（正四面体×２）</source>
        <translation>Stellated octahedron (2 tetrahedra)</translation>
    </message>
    <message>
        <source>正四面体×５</source>
        <translation>5 tetrahedra</translation>
    </message>
    <message>
        <source>正四面体×10</source>
        <translation>10 tetrahedra</translation>
    </message>
    <message>
        <source>立方体×５</source>
        <translation>5 cubes</translation>
    </message>
    <message>
        <source>正八面体×５</source>
        <translation>5 octahedra</translation>
    </message>
    <message>
        <source>小三角六辺形二十面体</source>
        <translation>Small triambic icosahedron</translation>
    </message>
    <message>
        <source>菱形十二面体の最初の星型</source>
        <translation>First stellation of the rhombic dodecahedron</translation>
    </message>
    <message>
        <source>正多面体の性質（参考用）</source>
        <translation>Regular solids together (reference)</translation>
    </message>
    <message>
        <source>正四面体（対配置）</source>
        <translation>Tetrahedron (pair)</translation>
    </message>
    <message>
        <source>立方体＋正四面体</source>
        <translation>Cube + tetrahedron</translation>
    </message>
    <message>
        <source>正十二面体＋正四面体</source>
        <translation>Dodecahedron + tetrahedron</translation>
    </message>
    <message>
        <source>正十二面体＋立方体</source>
        <translation>Dodecahedron + cube</translation>
    </message>
    <message>
        <source>正十二面体＋立方体＋正四面体</source>
        <translation>Dodecahedron + cube + tetrahedron</translation>
    </message>
    <message>
        <source>正八面体＋正四面体</source>
        <translation>Octahedron + tetrahedron</translation>
    </message>
    <message>
        <source>正二十面体＋正四面体</source>
        <translation>Icosahedron + tetrahedron</translation>
    </message>
    <message>
        <source>正二十面体＋立方体</source>
        <translation>Icosahedron + cube</translation>
    </message>
    <message>
        <source>正二十面体＋正八面体</source>
        <translation>Icosahedron + octahedron</translation>
    </message>
    <message>
        <source>正二十面体＋正八面体＋正四面体</source>
        <translation>Icosahedron + octahedron + tetrahedron</translation>
    </message>
    <message>
        <source>正十二面体・長方形</source>
        <translation>Dodecahedron, rectangles</translation>
    </message>
    <message>
        <source>正二十面体・長方形</source>
        <translation>Icosahedron, rectangles</translation>
    </message>
    <message>
        <source>正十二面体÷４</source>
        <translation>Dodecahedron / 4</translation>
    </message>
    <message>
        <source>正十二面体÷６</source>
        <translation>Dodecahedron / 6</translation>
    </message>
    <message>
        <source>正二十面体÷４</source>
        <translation>Icosahedron / 4</translation>
    </message>
    <message>
        <source>正二十面体÷６</source>
        <translation>Icosahedron / 6</translation>
    </message>
    <message>
        <source>正多面体系の大きさ規格</source>
        <translation>Size standard of regular solids</translation>
    </message>
    <message>
        <source>内接的</source>
        <translation>Inscribed</translation>
    </message>
    <message>
        <source>中接的</source>
        <translation>Midsphere</translation>
    </message>
    <message>
        <source>外接的</source>
        <translation>Circumscribed</translation>
    </message>
    <message>
        <source>図形(&amp;Z)</source>
        <translation>Fi&amp;gure</translation>
    </message>
</context>
<context>
    <name>FigurePanel</name>
    <message>
        <source>図形の数値</source>
        <translation>Figure numbers</translation>
    </message>
</context>
<context>
    <name>FinderDialog</name>
    <message>
        <source>図形を探す</source>
        <translation>Find a figure</translation>
    </message>
    <message>
        <source>番号、J番号（J27など）、名前の一部（日本語・英語）：</source>
        <translation>Number, Johnson number (such as J27), or part of a name (Japanese or English):</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 figures</translation>
    </message>
</context>
<context>
    <name>InformationDialog</name>
    <message>
        <source>情報・操作方法</source>
        <translation>About and controls</translation>
    </message>
    <message>
        <source>Gyrosolid&#x3000;Ver 1.12</source>
        <translation>Gyrosolid  Ver 1.12</translation>
    </message>
    <message>
        <source>「４・６（←・→）」でｘ－ｚ回転</source>
        <translation>4 / 6 (Left / Right): turn in the x-z plane</translation>
    </message>
    <message>
        <source>「８・２（↑・↓）」でｙ－ｚ回転</source>
        <translation>8 / 2 (Up / Down): turn in the y-z plane</translation>
    </message>
    <message>
        <source>「５（Space）」で自動回転時の停止</source>
        <translation>5 (Space): stop the automatic rotation</translation>
    </message>
    <message>
        <source>「Ａ・Ｓ・Ｄ・Ｆ」で光の角度変更</source>
        <translation>A / S / D / F: move the light</translation>
    </message>
    <message>
        <source>「Ｃ」で固有配色時の色の切り替え</source>
        <translation>C: next colour pattern (intrinsic colours)</translation>
    </message>
    <message>
        <source>「Ｑ・Ｗ（PgUp・PgDn）」で図形変更</source>
        <translation>Q / W (PgUp / PgDn): previous / next figure</translation>
    </message>
    <message>
        <source>「／・＊（Ｖ・Ｂ）」で任意軸を中心に回転</source>
        <translation>/ / * (V / B): turn about the arbitrary axis</translation>
    </message>
    <message>
        <source>「リターン」で任意軸で指定した角度だけ回転</source>
        <translation>Return: turn by the set angle about the arbitrary axis</translation>
    </message>
    <message>
        <source>「７・９（Del・Ins）」でｘ－ｙ回転</source>
        <translation>7 / 9 (Del / Ins): turn in the x-y plane</translation>
    </message>
    <message>
        <source>「３・１（Home・End）」で拡大／縮小</source>
        <translation>3 / 1 (Home / End): zoom in / out</translation>
    </message>
    <message>
        <source>「＋・－（Ｘ・Ｚ）」で回転速度調整</source>
        <translation>+ / - (X / Z): turning speed</translation>
    </message>
</context>
<context>
    <name>LightDialog</name>
    <message>
        <source>光の角度等</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>経度</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>緯度</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>経速度</source>
        <translation>Longitude speed</translation>
    </message>
    <message>
        <source>緯速度</source>
        <translation>Latitude speed</translation>
    </message>
    <message>
        <source>回り込み</source>
        <translation>Wrap-around</translation>
    </message>
    <message>
        <source>（-99～）</source>
        <translation>(-99 ...)</translation>
    </message>
    <message>
        <source>最大明度</source>
        <translation>Brightest</translation>
    </message>
    <message>
        <source>（最小～100）</source>
        <translation>(darkest ... 100)</translation>
    </message>
    <message>
        <source>最小明度</source>
        <translation>Darkest</translation>
    </message>
    <message>
        <source>（0～最大）</source>
        <translation>(0 ... brightest)</translation>
    </message>
    <message>
        <source>明度二乗</source>
        <translation>Squared brightness</translation>
    </message>
    <message>
        <source>鏡面式</source>
        <translation>Mirror model</translation>
    </message>
    <message>
        <source>光源移動</source>
        <translation>Moving light</translation>
    </message>
    <message>
        <source>緯度・経度はＡ・Ｓ・Ｄ・Ｆでも変更可能</source>
        <translation>The A, S, D and F keys move the light too.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>同じファイルがありますが、上書きしますか？</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>君に問う</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>リミッター</source>
        <translation>Limiter</translation>
    </message>
    <message>
        <source>角数が多過ぎるかも。
「現在の緯×経≦最大の緯×経」になるようにしてください。</source>
        <translation>Perhaps too many corners.
Keep &quot;latitude x longitude now&quot; at most &quot;largest latitude x longitude&quot;.</translation>
    </message>
    <message>
        <source>面積：%1px</source>
        <translation>Area: %1 px</translation>
    </message>
    <message>
        <source>注：背景色と同じ色はカウントされません。</source>
        <translation>Note: pixels in the background colour are not counted.</translation>
    </message>
    <message>
        <source>投射面積確認</source>
        <translation>Projected area</translation>
    </message>
    <message>
        <source>画面サイズが大き過ぎるので敬遠します。</source>
        <translation>The drawing area is too large to count.</translation>
    </message>
    <message>
        <source>ファイル名が不正の模様です。</source>
        <translation>The file name seems to be invalid.</translation>
    </message>
    <message>
        <source>ファイルの書き込みに失敗しました。</source>
        <translation>Writing the file failed.</translation>
    </message>
    <message>
        <source>出力する画像がありません。</source>
        <translation>There is no picture to save.</translation>
    </message>
    <message>
        <source>設定ファイルを開けません。</source>
        <translation>Cannot open the settings file.</translation>
    </message>
    <message>
        <source>設定ファイルとしては大き過ぎます。</source>
        <translation>Too large for a settings file.</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません。</source>
        <translation>Cannot read the settings file.</translation>
    </message>
    <message>
        <source>設定ファイルを保存できません。</source>
        <translation>Cannot save the settings file.</translation>
    </message>
    <message>
        <source>設定が見つかりません。</source>
        <translation>No settings found.</translation>
    </message>
    <message>
        <source>画像を出力するメモリが足りません。</source>
        <translation>Not enough memory to write the picture.</translation>
    </message>
    <message>
        <source>ファイル名は .pdf か .svg で終わるようにしてください:</source>
        <translation>The file name should end in .pdf or .svg:</translation>
    </message>
    <message>
        <source>この図形の展開図は作れません:</source>
        <translation>No net can be made of this figure:</translation>
    </message>
    <message>
        <source>ファイル名は .stl か .3mf で終わるようにしてください:</source>
        <translation>The file name should end in .stl or .3mf:</translation>
    </message>
    <message>
        <source>この図形は3Dプリント用の立体にできません:</source>
        <translation>This figure cannot be made into a solid for 3D printing:</translation>
    </message>
    <message>
        <source>図形が空</source>
        <translation>the figure is empty</translation>
    </message>
    <message>
        <source>辺だけで面がない</source>
        <translation>the figure has only edges and no faces</translation>
    </message>
    <message>
        <source>無限遠に届く</source>
        <translation>the figure reaches to infinity</translation>
    </message>
    <message>
        <source>面が体積を囲まない</source>
        <translation>the faces enclose no volume</translation>
    </message>
    <message>
        <source>立体にするには大きすぎる</source>
        <translation>the figure is too large to make solid</translation>
    </message>
    <message>
        <source>取り消された</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>外側の面が閉じなかった</source>
        <translation>the outer surface did not come out closed</translation>
    </message>
    <message>
        <source>取り消されました</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>展開する外側の面がありません</source>
        <translation>the figure has no outer surface to unfold</translation>
    </message>
    <message>
        <source>この辺の長さではページに収まらない部品があります。辺の長さの最大 (mm):</source>
        <translation>At this edge length a piece does not fit on the page. The longest edge that fits (mm):</translation>
    </message>
    <message>
        <source>部品が小さすぎて、辺 0.1 mm でも印刷できません</source>
        <translation>the pieces are too small to print at 0.1 mm an edge</translation>
    </message>
    <message>
        <source>この辺の長さでは部品がページに収まりません</source>
        <translation>the pieces do not fit on the page at this edge length</translation>
    </message>
</context>
<context>
    <name>NetDialog</name>
    <message>
        <source>展開図を保存</source>
        <translation>Save Net</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>自動 (用紙に収まる最大)</source>
        <translation>Automatic (the largest that fits the page)</translation>
    </message>
    <message>
        <source>一番長い辺</source>
        <translation>Longest edge</translation>
    </message>
    <message>
        <source>面を白くする</source>
        <translation>White faces</translation>
    </message>
    <message>
        <source>のりしろを付ける</source>
        <translation>Glue tabs</translation>
    </message>
</context>
<context>
    <name>PerspectiveDialog</name>
    <message>
        <source>遠近＆立体視の設定</source>
        <translation>Perspective and stereo</translation>
    </message>
    <message>
        <source>距離Ｚ</source>
        <translation>Distance Z</translation>
    </message>
    <message>
        <source>Ｘ方向ズレ</source>
        <translation>Shift X</translation>
    </message>
    <message>
        <source>Ｙ方向ズレ</source>
        <translation>Shift Y</translation>
    </message>
    <message>
        <source>立体視用</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>立体度</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>表示間隔</source>
        <translation>Separation</translation>
    </message>
    <message>
        <source>デフォルト値</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>ScreenSizeDialog</name>
    <message>
        <source>画面サイズ</source>
        <translation>Screen size</translation>
    </message>
    <message>
        <source>ｘ</source>
        <translation>x</translation>
    </message>
    <message>
        <source>ｙ</source>
        <translation>y</translation>
    </message>
    <message>
        <source>初期値</source>
        <translation>Start size</translation>
    </message>
</context>
<context>
    <name>SizeDirectionDialog</name>
    <message>
        <source>図形サイズ＆方向</source>
        <translation>Figure size and direction</translation>
    </message>
    <message>
        <source>サイズ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>（デフォルト＝1.0）</source>
        <translation>(default = 1.0)</translation>
    </message>
    <message>
        <source>Ｘ方向</source>
        <translation>X direction</translation>
    </message>
    <message>
        <source>Ｙ方向</source>
        <translation>Y direction</translation>
    </message>
    <message>
        <source>Ｚ方向</source>
        <translation>Z direction</translation>
    </message>
    <message>
        <source>規格化</source>
        <translation>Normalise</translation>
    </message>
</context>
<context>
    <name>SphereDialog</name>
    <message>
        <source>球状</source>
        <translation>Spheres</translation>
    </message>
    <message>
        <source>経方向の角数</source>
        <translation>Corners in longitude</translation>
    </message>
    <message>
        <source>緯方向の角数</source>
        <translation>Corners in latitude</translation>
    </message>
    <message>
        <source>現在の緯×経：</source>
        <translation>Latitude x longitude now:</translation>
    </message>
    <message>
        <source>最大の緯×経：</source>
        <translation>Largest latitude x longitude:</translation>
    </message>
    <message>
        <source>ｘ方向径</source>
        <translation>Radius x</translation>
    </message>
    <message>
        <source>ｙ方向径</source>
        <translation>Radius y</translation>
    </message>
    <message>
        <source>ｚ方向径</source>
        <translation>Radius z</translation>
    </message>
    <message>
        <source>赤道面角度</source>
        <translation>Equator angle</translation>
    </message>
    <message>
        <source>トーラスｘ径</source>
        <translation>Torus radius x</translation>
    </message>
    <message>
        <source>トーラスｙ径</source>
        <translation>Torus radius y</translation>
    </message>
    <message>
        <source>上下ずれｘ</source>
        <translation>Top shift x</translation>
    </message>
    <message>
        <source>上下ずれｚ</source>
        <translation>Top shift z</translation>
    </message>
    <message>
        <source>赤道面ずれｘ</source>
        <translation>Equator shift x</translation>
    </message>
    <message>
        <source>赤道面ずれｚ</source>
        <translation>Equator shift z</translation>
    </message>
    <message>
        <source>超二次(経)</source>
        <translation>Superquadric (long.)</translation>
    </message>
    <message>
        <source>超二次(緯)</source>
        <translation>Superquadric (lat.)</translation>
    </message>
    <message>
        <source>半角ずらす(経)</source>
        <translation>Half-step turn (long.)</translation>
    </message>
    <message>
        <source>上底有り</source>
        <translation>With caps</translation>
    </message>
    <message>
        <source>幅＝外接円径</source>
        <translation>Width = circumradius</translation>
    </message>
    <message>
        <source>トーラス</source>
        <translation>Torus</translation>
    </message>
    <message>
        <source>幅ｚ＝幅ｘ</source>
        <translation>Width z = width x</translation>
    </message>
    <message>
        <source>幅ｙ＝幅ｘ</source>
        <translation>Width y = width x</translation>
    </message>
    <message>
        <source>超二次有効</source>
        <translation>Superquadric</translation>
    </message>
    <message>
        <source>超二次特殊</source>
        <translation>Special superquadric</translation>
    </message>
    <message>
        <source>Ｅ・Ｒ・Ｔ・Ｙ・Ｕ・Ｉ・Ｏ・Ｐキーでも、角数を変更できます。</source>
        <translation>The E, R, T, Y, U, I, O and P keys change the corners too.</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>図形</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>言語 / Language</source>
        <translation>Language / 言語</translation>
    </message>
    <message>
        <source>設定の読み込み...</source>
        <translation>Load settings...</translation>
    </message>
    <message>
        <source>設定の保存...</source>
        <translation>Save settings...</translation>
    </message>
    <message>
        <source>PNG で保存</source>
        <translation>Save as PNG</translation>
    </message>
    <message>
        <source>BMP で保存</source>
        <translation>Save as BMP</translation>
    </message>
    <message>
        <source>この図のリンクをコピー</source>
        <translation>Copy a link to this picture</translation>
    </message>
    <message>
        <source>リンクをコピーしました。</source>
        <translation>The link was copied.</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>Nothing found</translation>
    </message>
    <message>
        <source>読み込み中...</source>
        <translation>Loading...</translation>
    </message>
    <message>
        <source>このブラウザでは動きません（WebAssembly）。</source>
        <translation>This browser cannot run the page (WebAssembly).</translation>
    </message>
</context>
<context>
    <name>gyro::AnimationDialog</name>
    <message>
        <source>アニメーションを保存</source>
        <translation>Save animation</translation>
    </message>
    <message>
        <source>GIF アニメーション (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
    <message>
        <source>WebP アニメーション (*.webp)</source>
        <translation>WebP animation (*.webp)</translation>
    </message>
    <message>
        <source>横軸（ｘ）で一回転</source>
        <translation>One turn about the horizontal axis (x)</translation>
    </message>
    <message>
        <source>縦軸（ｙ）で一回転</source>
        <translation>One turn about the vertical axis (y)</translation>
    </message>
    <message>
        <source>奥行き軸（ｚ）で一回転</source>
        <translation>One turn about the depth axis (z)</translation>
    </message>
    <message>
        <source>現在の動き</source>
        <translation>Current motion</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>動き</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>コマ数</source>
        <translation>Frames</translation>
    </message>
    <message>
        <source>（%1～%2）</source>
        <translation>(%1 to %2)</translation>
    </message>
    <message>
        <source>コマの間隔</source>
        <translation>Frame delay</translation>
    </message>
    <message>
        <source>ミリ秒</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>ピクセル</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
</context>
<context>
    <name>gyro::MainWindow</name>
    <message>
        <source>操作(&amp;F)</source>
        <translation>&amp;Operation</translation>
    </message>
    <message>
        <source>軸の初期化(&amp;I)</source>
        <translation>&amp;Initial orientation</translation>
    </message>
    <message>
        <source>慣性回転(&amp;R)</source>
        <translation>Inertial &amp;rotation</translation>
    </message>
    <message>
        <source>自動回転(&amp;G)...</source>
        <translation>Automatic rotation (&amp;G)...</translation>
    </message>
    <message>
        <source>画面サイズ(&amp;S)...</source>
        <translation>&amp;Screen size...</translation>
    </message>
    <message>
        <source>任意回転軸(&amp;J) ...</source>
        <translation>Arbitrary axis (&amp;J)...</translation>
    </message>
    <message>
        <source>図形サイズ＆方向(&amp;Z) ...</source>
        <translation>Figure si&amp;ze and direction...</translation>
    </message>
    <message>
        <source>FPSの表示(&amp;F)</source>
        <translation>Show &amp;FPS</translation>
    </message>
    <message>
        <source>投射面積確認(&amp;Q)..</source>
        <translation>Projected area (&amp;Q)...</translation>
    </message>
    <message>
        <source>マウス操作有効(&amp;M)..</source>
        <translation>&amp;Mouse control</translation>
    </message>
    <message>
        <source>画像の出力(&amp;E) ...</source>
        <translation>&amp;Export picture...</translation>
    </message>
    <message>
        <source>画像のコピー(&amp;C)</source>
        <translation>&amp;Copy picture</translation>
    </message>
    <message>
        <source>設定の保存(&amp;H) ...</source>
        <translation>Save settings (&amp;H)...</translation>
    </message>
    <message>
        <source>設定の読出し(&amp;Y) ...</source>
        <translation>Load settings (&amp;Y)...</translation>
    </message>
    <message>
        <source>情報・操作方法(&amp;A) ...</source>
        <translation>&amp;About and controls...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>図形を探す...</source>
        <translation>Find a figure...</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>不透明</source>
        <translation>Opaque</translation>
    </message>
    <message>
        <source>灰色／白陰影</source>
        <translation>Grey / white shading</translation>
    </message>
    <message>
        <source>8色</source>
        <translation>8 colours</translation>
    </message>
    <message>
        <source>27色</source>
        <translation>27 colours</translation>
    </message>
    <message>
        <source>12彩色</source>
        <translation>12 hues</translation>
    </message>
    <message>
        <source>角数配色</source>
        <translation>By corners</translation>
    </message>
    <message>
        <source>方向配色（底面特異）</source>
        <translation>By direction (base apart)</translation>
    </message>
    <message>
        <source>方向配色（底面連続）</source>
        <translation>By direction (continuous)</translation>
    </message>
    <message>
        <source>固有配色</source>
        <translation>Intrinsic colours</translation>
    </message>
    <message>
        <source>フラクタル用</source>
        <translation>For fractals</translation>
    </message>
    <message>
        <source>配色の変更</source>
        <translation>Change colours</translation>
    </message>
    <message>
        <source>色１/三角形色...</source>
        <translation>Colour 1 / triangles...</translation>
    </message>
    <message>
        <source>色２/四角形色...</source>
        <translation>Colour 2 / squares...</translation>
    </message>
    <message>
        <source>色３/五角形色...</source>
        <translation>Colour 3 / pentagons...</translation>
    </message>
    <message>
        <source>色４/六角形色...</source>
        <translation>Colour 4 / hexagons...</translation>
    </message>
    <message>
        <source>色５/八角形色...</source>
        <translation>Colour 5 / octagons...</translation>
    </message>
    <message>
        <source>色６/十角形色...</source>
        <translation>Colour 6 / decagons...</translation>
    </message>
    <message>
        <source>色７...</source>
        <translation>Colour 7...</translation>
    </message>
    <message>
        <source>色８...</source>
        <translation>Colour 8...</translation>
    </message>
    <message>
        <source>色９/底面...</source>
        <translation>Colour 9 / base...</translation>
    </message>
    <message>
        <source>色10/下底...</source>
        <translation>Colour 10 / bottom...</translation>
    </message>
    <message>
        <source>側面用...</source>
        <translation>Sides...</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>任意単色...</source>
        <translation>Single colour...</translation>
    </message>
    <message>
        <source>陰影ON</source>
        <translation>Shading</translation>
    </message>
    <message>
        <source>影の色...</source>
        <translation>Shadow colour...</translation>
    </message>
    <message>
        <source>光沢ON</source>
        <translation>Gloss</translation>
    </message>
    <message>
        <source>光の色...</source>
        <translation>Light colour...</translation>
    </message>
    <message>
        <source>光の角度等...</source>
        <translation>Light...</translation>
    </message>
    <message>
        <source>遠近ON</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>立体視（平行法）ON</source>
        <translation>Stereo (parallel view)</translation>
    </message>
    <message>
        <source>遠近＆立体視の設定...</source>
        <translation>Perspective and stereo...</translation>
    </message>
    <message>
        <source>線（陽線）</source>
        <translation>Visible lines</translation>
    </message>
    <message>
        <source>太線</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>細線</source>
        <translation>Thin</translation>
    </message>
    <message>
        <source>線無し</source>
        <translation>None</translation>
    </message>
    <message>
        <source>黒線</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白線</source>
        <translation>White</translation>
    </message>
    <message>
        <source>背景と同じ</source>
        <translation>As background</translation>
    </message>
    <message>
        <source>背景の反対</source>
        <translation>Opposite of background</translation>
    </message>
    <message>
        <source>任意...</source>
        <translation>Any colour...</translation>
    </message>
    <message>
        <source>陰線</source>
        <translation>Hidden lines</translation>
    </message>
    <message>
        <source>陽線と同じ</source>
        <translation>As visible lines</translation>
    </message>
    <message>
        <source>陽線の反対</source>
        <translation>Opposite of visible lines</translation>
    </message>
    <message>
        <source>背景と陽線の中間</source>
        <translation>Between background and visible lines</translation>
    </message>
    <message>
        <source>任意色...</source>
        <translation>Any colour...</translation>
    </message>
    <message>
        <source>内側表示</source>
        <translation>Inside</translation>
    </message>
    <message>
        <source>シンメトリー補正</source>
        <translation>Symmetry correction</translation>
    </message>
    <message>
        <source>中心点の表示</source>
        <translation>Centre point</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>黒背景</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>白背景</source>
        <translation>White</translation>
    </message>
    <message>
        <source>色の設定</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>テキスト (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>正確な前後関係</source>
        <translation>Exact depth</translation>
    </message>
    <message>
        <source>窓に合わせる</source>
        <translation>Fit to window</translation>
    </message>
    <message>
        <source>図形なし：R/E/Y/T か 設定...</source>
        <translation>No figure: R/E/Y/T or dialog</translation>
    </message>
    <message>
        <source>図形なし：角錐・角柱→設定...</source>
        <translation>No figure: pyramid dialog</translation>
    </message>
    <message>
        <source>図形なし：球状系→設定...</source>
        <translation>No figure: sphere dialog</translation>
    </message>
    <message>
        <source>この値では図形ができません</source>
        <translation>No figure for these values</translation>
    </message>
    <message>
        <source>図形の数値</source>
        <translation>Figure numbers</translation>
    </message>
    <message>
        <source>3Dプリント用に保存...</source>
        <translation>Save for 3D printing...</translation>
    </message>
    <message>
        <source>外側の面を計算しています...</source>
        <translation>Working out the outer surface...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>STL (*.stl)</source>
        <translation>STL (*.stl)</translation>
    </message>
    <message>
        <source>3MF (*.3mf)</source>
        <translation>3MF (*.3mf)</translation>
    </message>
    <message>
        <source>アニメーションを保存...</source>
        <translation>Save animation...</translation>
    </message>
    <message>
        <source>アニメーションを保存しています...</source>
        <translation>Saving the animation...</translation>
    </message>
    <message>
        <source>アニメーションを保存</source>
        <translation>Save animation</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG 図形 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文書 (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>GIF アニメーション (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
    <message>
        <source>WebP アニメーション (*.webp)</source>
        <translation>WebP animation (*.webp)</translation>
    </message>
    <message>
        <source>拡大率</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>図形ファイルの拡大率 (1 で画面と同じ大きさ、SVG はピクセル、PDF はポイント):</source>
        <translation>Scale of the drawing (1 is the size on screen; pixels in SVG, points in PDF):</translation>
    </message>
    <message>
        <source>展開図を保存...</source>
        <translation>Save Net...</translation>
    </message>
    <message>
        <source>展開図を作っています...</source>
        <translation>Making the net...</translation>
    </message>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>立体のいちばん長い差し渡し (mm):</source>
        <translation>Largest extent of the solid (mm):</translation>
    </message>
</context>
</TS>
