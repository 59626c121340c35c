<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CircleWindow</name>
    <message>
        <source>x²+y²+2ax+2by+c=0</source>
        <translation>x²+y²+2ax+2by+c=0</translation>
    </message>
    <message>
        <source>Intersection</source>
        <translation>Snijpunt</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: quillor [--help] [--version]
       quillor [--lang LANGUAGE]
</source>
        <extracomment>The ways to start the program; the second &quot;quillor&quot; stands under the first.</extracomment>
        <translation>Gebruik: quillor [--help] [--version]
         quillor [--lang TAAL]
</translation>
    </message>
    <message>
        <source>Try &quot;quillor --help&quot;.</source>
        <translation>Probeer &quot;quillor --help&quot;.</translation>
    </message>
    <message>
        <source>Quillor, mathematics for secondary-school pupils and their teachers: functions and
chance, with sliders and graphs, in eight modules that its start window opens.
</source>
        <translation>Quillor, wiskunde voor leerlingen van het voortgezet onderwijs en hun docenten:
functies en kansen, met schuifbalken en grafieken, in acht modules die het
startvenster opent.
</translation>
    </message>
    <message>
        <source>  -h, --help       Show this help and end.
  -v, --version    Show the version and end.
  --lang LANGUAGE  Show Quillor in LANGUAGE: nl for Dutch, C for its own texts.
                   Without it, the system&apos;s language (LANG) decides.
</source>
        <extracomment>Two columns: each option, and what it does. LANGUAGE is the word of the usage lines; nl and C are the values to type, and LANG the name of the system&apos;s setting.</extracomment>
        <translation>  -h, --help       Toon deze hulp en stop.
  -v, --version    Toon de versie en stop.
  --lang TAAL      Toon Quillor in TAAL: nl voor Nederlands, C voor de eigen
                   teksten. Zonder deze optie kiest de taal van het systeem (LANG).
</translation>
    </message>
    <message>
        <source>Files, looked up in the folder Quillor is started in:
  readme.txt  the text that &quot;Info&quot; shows, or readme_nl.txt where Quillor shows
              Dutch; when the folder has neither, the copy installed with Quillor
              (share/quillor) is shown.
  pw.txt      the teacher&apos;s identity for &quot;Editor&quot;, its last line that is not
              empty; read from this folder only.
</source>
        <extracomment>Two columns: each file&apos;s name, which stays as it is, and what it holds.</extracomment>
        <translation>Bestanden, gezocht in de map waarin Quillor gestart wordt:
  readme.txt  de tekst die &quot;Info&quot; toont, of readme_nl.txt als Quillor
              Nederlands toont; heeft de map geen van beide, dan wordt het
              exemplaar getoond dat met Quillor is geïnstalleerd (share/quillor).
  pw.txt      de identiteit van de docent voor &quot;Editor&quot;: de laatste regel die
              niet leeg is; alleen in deze map gezocht.
</translation>
    </message>
    <message>
        <source>See the manual page quillor(1).
</source>
        <translation>Zie de handleiding quillor(1).
</translation>
    </message>
    <message>
        <source>quillor: &quot;--lang&quot; needs a language, such as nl or C</source>
        <translation>quillor: &quot;--lang&quot; vraagt om een taal, zoals nl of C</translation>
    </message>
    <message>
        <source>quillor: unknown argument &quot;%1&quot;</source>
        <translation>quillor: onbekend argument &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ConicsWindow</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Voorschrift</translation>
    </message>
    <message>
        <source>&amp;1st f</source>
        <extracomment>Stores the coefficients as the first figure, f1.</extracomment>
        <translation>&amp;1e f</translation>
    </message>
    <message>
        <source>&amp;Inters</source>
        <extracomment>Shows where the two figures intersect; short for &quot;intersections&quot;.</extracomment>
        <translation>&amp;Snijp</translation>
    </message>
    <message>
        <source>&amp;2nd f</source>
        <extracomment>Stores the coefficients as the second figure, f2.</extracomment>
        <translation>&amp;2e f</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>f1</source>
        <extracomment>The first figure.</extracomment>
        <translation>f1</translation>
    </message>
    <message>
        <source>f2</source>
        <extracomment>The second figure.</extracomment>
        <translation>f2</translation>
    </message>
    <message>
        <source>f1, f2</source>
        <translation>f1, f2</translation>
    </message>
    <message>
        <source>ux+vy+w=0</source>
        <translation>ux+vy+w=0</translation>
    </message>
    <message>
        <source>The figure is not stored: a number that describes it is too large to compute. Try smaller coefficients.</source>
        <translation>De figuur is niet opgeslagen: een getal dat haar beschrijft is te groot om te berekenen. Probeer kleinere coëfficiënten.</translation>
    </message>
</context>
<context>
    <name>CubicWindow</name>
    <message>
        <source>Fout</source>
        <extracomment>&quot;Error&quot;, in Dutch already.</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Voorschrift</translation>
    </message>
    <message>
        <source>Expand</source>
        <extracomment>Show the polynomials written out term by term.</extracomment>
        <translation>Uitwerken</translation>
    </message>
    <message>
        <source>Factor</source>
        <extracomment>Show the polynomials factorised, with their roots, extrema and point of inflection.</extracomment>
        <translation>Ontbinden</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>y&apos;</source>
        <extracomment>The first derivative.</extracomment>
        <translation>y&apos;</translation>
    </message>
    <message>
        <source>y&quot;</source>
        <extracomment>The second derivative.</extracomment>
        <translation>y&quot;</translation>
    </message>
    <message>
        <source>Roots</source>
        <translation>Nulpunten</translation>
    </message>
    <message>
        <source>Extrema</source>
        <translation>Extremen</translation>
    </message>
    <message>
        <source>Point of inflection, tangent</source>
        <translation>Buigpunt, raaklijn</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Teken</translation>
    </message>
    <message>
        <source>ax³+bx²+cx+d</source>
        <translation>ax³+bx²+cx+d</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>The printer could not be opened.</source>
        <translation>De printer kon niet geopend worden.</translation>
    </message>
</context>
<context>
    <name>FourParameterTransformationWindow</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Functie</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>Transformatie</translation>
    </message>
</context>
<context>
    <name>FunctionFamiliesWindow</name>
    <message>
        <source>Fout</source>
        <extracomment>&quot;Error&quot;, in Dutch already.</extracomment>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Voorschrift</translation>
    </message>
    <message>
        <source>Foutieve functiewaarde</source>
        <extracomment>&quot;Wrong function value&quot;, in Dutch already: a point of the printed graph cannot be computed.</extracomment>
        <translation>Foutieve functiewaarde</translation>
    </message>
    <message>
        <source>ax+b</source>
        <translation>ax+b</translation>
    </message>
    <message>
        <source>ax²+bx+c</source>
        <translation>ax²+bx+c</translation>
    </message>
    <message>
        <source>ax³+bx²+cx+d</source>
        <translation>ax³+bx²+cx+d</translation>
    </message>
    <message>
        <source>a.sin[b(x-c)]+d</source>
        <translation>a.sin[b(x-c)]+d</translation>
    </message>
    <message>
        <source>a.tan[b(x-c)]+d</source>
        <translation>a.tan[b(x-c)]+d</translation>
    </message>
    <message>
        <source>(ax+b)/cx+d)</source>
        <translation>(ax+b)/cx+d)</translation>
    </message>
    <message>
        <source>a(x-b)(x-c)/(x²+d²)</source>
        <translation>a(x-b)(x-c)/(x²+d²)</translation>
    </message>
</context>
<context>
    <name>GraphCanvas</name>
    <message>
        <source>Graph</source>
        <translation>Grafiek</translation>
    </message>
</context>
<context>
    <name>GraphDescription</name>
    <message>
        <source>nothing drawn</source>
        <translation>niets getekend</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The first drawing: %1 is its frame (&quot;scale 8, grid on&quot;), %2 what it shows.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1. Then %2</source>
        <extracomment>%1 is the description so far, %2 what the next drawing shows, without a frame.</extracomment>
        <translation>%1. Daarna %2</translation>
    </message>
    <message>
        <source>%1. Then %2: %3</source>
        <extracomment>%1 is the description so far, %2 the next drawing&apos;s frame (&quot;scale 4, grid off&quot;), %3 what it shows.</extracomment>
        <translation>%1. Daarna %2: %3</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>%1 is the description so far, %2 what the next drawing in the same frame shows.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>scale %1, grid %2</source>
        <extracomment>The frame of a graph: %1 is the scale, %2 &quot;on&quot; or &quot;off&quot;.</extracomment>
        <translation>schaal %1, rooster %2</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>not computable</source>
        <translation>niet te berekenen</translation>
    </message>
    <message>
        <source>no zeros</source>
        <translation>geen nulpunten</translation>
    </message>
    <message>
        <source>zero %1</source>
        <translation>nulpunt %1</translation>
    </message>
    <message>
        <source>zeros %1 and %2</source>
        <translation>nulpunten %1 en %2</translation>
    </message>
    <message>
        <source>zero everywhere</source>
        <translation>overal nul</translation>
    </message>
    <message>
        <source>y = %1</source>
        <translation>y = %1</translation>
    </message>
    <message>
        <source>%1; %2; vertex %3</source>
        <extracomment>The prescription of a parabola, its zeros, and its vertex as a point &quot;(1, −4)&quot;.</extracomment>
        <translation>%1; %2; top %3</translation>
    </message>
    <message>
        <source>%1sin(%2%3)%4</source>
        <extracomment>a·sin(b·x) + d: %1 is a, %2 b, %3 the argument x or (x − c), %4 the added d.</extracomment>
        <translation>%1sin(%2%3)%4</translation>
    </message>
    <message>
        <source>%1tan(%2%3)%4</source>
        <extracomment>a·tan(b·x) + d: %1 is a, %2 b, %3 the argument x or (x − c), %4 the added d.</extracomment>
        <translation>%1tan(%2%3)%4</translation>
    </message>
    <message>
        <source>%1(%2)(%3)/(x²%4)</source>
        <extracomment>a(x − b)(x − c)/(x² + d²): %1 is a, %2 and %3 the shifts, %4 the added d².</extracomment>
        <translation>%1(%2)(%3)/(x²%4)</translation>
    </message>
    <message>
        <source>y = %1; y&apos; = %2; y&apos;&apos; = %3</source>
        <extracomment>The polynomial, its first and its second derivative.</extracomment>
        <translation>y = %1; y&apos; = %2; y&apos;&apos; = %3</translation>
    </message>
    <message>
        <source>factorised: %1</source>
        <translation>ontbonden: %1</translation>
    </message>
    <message>
        <source>roots: %1</source>
        <translation>nulpunten: %1</translation>
    </message>
    <message>
        <source>extrema: %1</source>
        <translation>extremen: %1</translation>
    </message>
    <message>
        <source>point of inflection, tangent: %1</source>
        <translation>buigpunt, raaklijn: %1</translation>
    </message>
    <message>
        <source>no tests done</source>
        <translation>nog geen proeven gedaan</translation>
    </message>
    <message>
        <source>relative frequency %1 after %2 test</source>
        <extracomment>%1 is the relative frequency of the event, %2 the number of tests done: one.</extracomment>
        <translation>relatieve frequentie %1 na %2 proef</translation>
    </message>
    <message>
        <source>relative frequency %1 after %2 tests</source>
        <extracomment>%1 is the relative frequency of the event, %2 the number of tests done: more than one.</extracomment>
        <translation>relatieve frequentie %1 na %2 proeven</translation>
    </message>
    <message>
        <source>f%1: %2</source>
        <extracomment>A stored figure: %1 is its number, 1 or 2, %2 its rows as the window&apos;s list shows them.</extracomment>
        <translation>f%1: %2</translation>
    </message>
    <message>
        <source>intersection: %1</source>
        <translation>snijpunten: %1</translation>
    </message>
    <message>
        <source>no figures stored</source>
        <translation>geen figuren opgeslagen</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Grid</source>
        <translation>Rooster</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Teken</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Druk af</translation>
    </message>
    <message>
        <source>%1; the drawing stopped at an error</source>
        <extracomment>Ends the description of a graph for screen readers; %1 is what the graph shows.</extracomment>
        <translation>%1; de tekening stopte bij een fout</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Schaal</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Scaale</source>
        <extracomment>The caption of the scale box, spelled so in this window.</extracomment>
        <translation>Schaal</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>u</source>
        <translation>u</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>w</source>
        <translation>w</translation>
    </message>
</context>
<context>
    <name>InformationWindow</name>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>&amp;Shut</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>ModuleRegistry</name>
    <message>
        <source>The quadratic function</source>
        <translation>De kwadratische functie</translation>
    </message>
    <message>
        <source>The quadratic  function</source>
        <translation>De kwadratische functie</translation>
    </message>
    <message>
        <source>Transformations (1)</source>
        <translation>Transformaties (1)</translation>
    </message>
    <message>
        <source>Transformations (2)</source>
        <translation>Transformaties (2)</translation>
    </message>
    <message>
        <source>Lines and parabolas</source>
        <translation>Lijnen en parabolen</translation>
    </message>
    <message>
        <source>Lines en circles</source>
        <translation>Lijnen en cirkels</translation>
    </message>
    <message>
        <source>Lines and circles</source>
        <translation>Lijnen en cirkels</translation>
    </message>
    <message>
        <source>Graphics of functions</source>
        <translation>Grafieken van functies</translation>
    </message>
    <message>
        <source>Functions  of 3rd degree</source>
        <translation>Functies van de 3e graad</translation>
    </message>
    <message>
        <source>Functions of the third degree</source>
        <translation>Functies van de derde graad</translation>
    </message>
    <message>
        <source>Experiments of probability</source>
        <translation>Kansexperimenten</translation>
    </message>
</context>
<context>
    <name>ModuleWindow</name>
    <message>
        <source>Copy graph</source>
        <translation>Grafiek kopiëren</translation>
    </message>
    <message>
        <source>Save graph as…</source>
        <translation>Grafiek opslaan als…</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Einde</translation>
    </message>
    <message>
        <source>The file %1 is not a PNG, SVG or PDF file.</source>
        <translation>Het bestand %1 is geen PNG-, SVG- of PDF-bestand.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Het bestand %1 kan niet geschreven worden.</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg *.pdf);;PNG (*.png);;SVG (*.svg);;PDF (*.pdf)</source>
        <extracomment>The file types of the save dialog, separated by &quot;;;&quot;: translate the names only and keep each pattern in its parentheses.</extracomment>
        <translation>Afbeeldingen (*.png *.svg *.pdf);;PNG (*.png);;SVG (*.svg);;PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save graph as</source>
        <translation>Grafiek opslaan als</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 bestaat al. Wil je het vervangen?</translation>
    </message>
</context>
<context>
    <name>OneParameterTransformationWindow</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Voorschrift</translation>
    </message>
    <message>
        <source>Transformations</source>
        <translation>Transformaties</translation>
    </message>
</context>
<context>
    <name>ParabolaWindow</name>
    <message>
        <source>y=ax²+bx+c</source>
        <translation>y=ax²+bx+c</translation>
    </message>
    <message>
        <source>Intersection:</source>
        <translation>Snijpunt:</translation>
    </message>
    <message>
        <source>Fout</source>
        <extracomment>&quot;Error&quot;, in Dutch already: a point of a parabola cannot be computed.</extracomment>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>ProbabilityWindow</name>
    <message>
        <source>Result between tussen</source>
        <extracomment>The lowest result a draw gives (&quot;tussen&quot; is Dutch for &quot;between&quot;); the label below goes on with &quot;and&quot; and the highest result.</extracomment>
        <translation>Uitkomst tussen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <source>A test contains results</source>
        <extracomment>How many results one test draws.</extracomment>
        <translation>Uitkomsten per proef</translation>
    </message>
    <message>
        <source>Number of tests:</source>
        <translation>Aantal proeven:</translation>
    </message>
    <message>
        <source>a=</source>
        <extracomment>The value a that each result is compared with.</extracomment>
        <translation>a=</translation>
    </message>
    <message>
        <source>Combination of the results</source>
        <translation>Combinatie van de uitkomsten</translation>
    </message>
    <message>
        <source>Comparison with a</source>
        <translation>Vergelijking met a</translation>
    </message>
    <message>
        <source>Testvalue</source>
        <extracomment>The event is that a test&apos;s value equals this value.</extracomment>
        <translation>Testwaarde</translation>
    </message>
    <message>
        <source>Chance</source>
        <extracomment>The relative frequency of the event after the last test.</extracomment>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Results of the tests</source>
        <translation>Uitkomsten van de proeven</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Relative frequency</source>
        <translation>Relatieve frequentie</translation>
    </message>
    <message>
        <source>sum</source>
        <extracomment>How the results of one test combine into its value: their sum, their product, or 1 when they are all unequal.</extracomment>
        <translation>som</translation>
    </message>
    <message>
        <source>product</source>
        <translation>product</translation>
    </message>
    <message>
        <source>unequal</source>
        <translation>ongelijk</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>No comparison with a: each result counts as itself.</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source>In an experiment, you may only<byte value="xd"/>
increase the number of tests</source>
        <translation>In een experiment mag je het aantal<byte value="xd"/>
proeven alleen verhogen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>An experiment may have at most %1 tests.</source>
        <translation>Een experiment mag hoogstens %1 proeven hebben.</translation>
    </message>
    <message>
        <source>A test may contain at most %1 results.</source>
        <translation>Een proef mag hoogstens %1 uitkomsten hebben.</translation>
    </message>
    <message>
        <source>The results are too large to compute.</source>
        <translation>De uitkomsten zijn te groot om te berekenen.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Quillor</source>
        <extracomment>The program&apos;s name, as the title of its message boxes.</extracomment>
        <translation>Quillor</translation>
    </message>
</context>
<context>
    <name>QuadraticWindow</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Voorschrift</translation>
    </message>
    <message>
        <source>&amp;Plot</source>
        <translation>&amp;Teken</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Alter</source>
        <translation>&amp;Wijzig</translation>
    </message>
    <message>
        <source>&amp;Table</source>
        <translation>Ta&amp;bel</translation>
    </message>
    <message>
        <source>     x                   y                      +/0/-</source>
        <extracomment>The column header of the table of values: x, y and the sign of y, each above its column.</extracomment>
        <translation>     x                   y                      +/0/-</translation>
    </message>
    <message>
        <source>ax²</source>
        <translation>ax²</translation>
    </message>
    <message>
        <source>ax²+q</source>
        <translation>ax²+q</translation>
    </message>
    <message>
        <source>a(x-p)²</source>
        <translation>a(x-p)²</translation>
    </message>
    <message>
        <source>a(x-p)²+q</source>
        <translation>a(x-p)²+q</translation>
    </message>
    <message>
        <source>ax²+bx+c</source>
        <translation>ax²+bx+c</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Quillor</source>
        <extracomment>The program&apos;s name, as the start window&apos;s title.</extracomment>
        <translation>Quillor</translation>
    </message>
    <message>
        <source>Modules</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Kies</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Task</source>
        <translation>&amp;Opgave</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Einde</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>E&amp;ditor</translation>
    </message>
    <message>
        <source>Version %1       Made by the Quillor developers</source>
        <extracomment>The first line of the version box; %1 is the version number, followed by seven blanks.</extracomment>
        <translation>Versie %1       Gemaakt door de ontwikkelaars van Quillor</translation>
    </message>
    <message>
        <source>The Quillor project</source>
        <translation>Het Quillor-project</translation>
    </message>
    <message>
        <source>Found at: the Quillor repository, with its README</source>
        <translation>Te vinden: de repository van Quillor, met haar README</translation>
    </message>
    <message>
        <source>Reached through: the issues of the Quillor repository</source>
        <translation>Bereikbaar via: de issues van de repository van Quillor</translation>
    </message>
    <message>
        <source>Commentaar en suggesties welkom</source>
        <translation>Commentaar en suggesties welkom</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Het bestand %1 kan niet gelezen worden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read. It was looked for in the folder &quot;%2&quot;.</source>
        <extracomment>%1 is the file&apos;s name, pw.txt; %2 the folder.</extracomment>
        <translation>Het bestand %1 kan niet gelezen worden. Er is gezocht in de map &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Identity:</source>
        <translation>Identiteit:</translation>
    </message>
    <message>
        <source>No access</source>
        <translation>Geen toegang</translation>
    </message>
</context>
<context>
    <name>TaskWindow</name>
    <message>
        <source>Task</source>
        <translation>Opgave</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation>Conclusie</translation>
    </message>
    <message>
        <source>The %1 box has a line that holds only &quot;$&quot;. A task file cannot keep it: it would split the text when the file is read. Nothing has been saved.</source>
        <extracomment>%1 is the name of a box: Task, Hint or Conclusion.</extracomment>
        <translation>Het vak %1 heeft een regel met alleen &quot;$&quot;. Een opgavebestand kan die regel niet bewaren: hij zou de tekst splitsen als het bestand gelezen wordt. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>A task file cannot hold the character %1. Nothing has been saved.</source>
        <extracomment>%1 lists the characters, each with its code: &quot;√ (U+221A)&quot;.</extracomment>
        <translation>Een opgavebestand kan het teken %1 niet bevatten. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>A task file cannot hold the characters %1. Nothing has been saved.</source>
        <translation>Een opgavebestand kan de tekens %1 niet bevatten. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>Task-editor</source>
        <translation>Opgave-editor</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Conclus</source>
        <translation>&amp;Conclus</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Einde</translation>
    </message>
    <message>
        <source>Modules</source>
        <translation>Modules</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappen</translation>
    </message>
    <message>
        <source>Task files</source>
        <translation>Opgavebestanden</translation>
    </message>
    <message>
        <source>The directory &quot;%1&quot; cannot be read.</source>
        <translation>De map &quot;%1&quot; kan niet gelezen worden.</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; holds a / or a \, which a task&apos;s name cannot hold. Nothing has been saved.</source>
        <translation>De naam &quot;%1&quot; bevat een / of een \, en die mag de naam van een opgave niet bevatten. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>The task file &quot;%1&quot; already exists. Do you want to replace it?</source>
        <translation>Het opgavebestand &quot;%1&quot; bestaat al. Wil je het vervangen?</translation>
    </message>
    <message>
        <source>The task file &quot;%1&quot; cannot be saved (%2). Nothing has been written: a file of that name stays as it was.</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason the system gives.</extracomment>
        <translation>Het opgavebestand &quot;%1&quot; kan niet opgeslagen worden (%2). Er is niets geschreven: een bestand met die naam blijft zoals het was.</translation>
    </message>
    <message>
        <source>There is no file selected</source>
        <translation>Er is geen bestand gekozen</translation>
    </message>
    <message>
        <source>The task file &quot;%1&quot; cannot be read.</source>
        <translation>Het opgavebestand &quot;%1&quot; kan niet gelezen worden.</translation>
    </message>
    <message>
        <source>The texts of this task have been changed and not saved. Do you want to throw the changes away?</source>
        <translation>De teksten van deze opgave zijn gewijzigd en niet opgeslagen. Wil je de wijzigingen weggooien?</translation>
    </message>
</context>
<context>
    <name>WorldFrame</name>
    <message>
        <source>x = %1, y = %2</source>
        <extracomment>The point under the mouse pointer on a graph.</extracomment>
        <translation>x = %1, y = %2</translation>
    </message>
</context>
<context>
    <name>conics</name>
    <message>
        <source>Int X:%1  Int Y:%2</source>
        <extracomment>Where the line cuts the x-axis and the y-axis (&quot;Int&quot; for intercept).</extracomment>
        <translation>sn X:%1  sn Y:%2</translation>
    </message>
    <message>
        <source>Int X:%1</source>
        <translation>sn X:%1</translation>
    </message>
    <message>
        <source>  Int Y:%1</source>
        <translation>  sn Y:%1</translation>
    </message>
    <message>
        <source>sn X: %1  sn Y: %2</source>
        <extracomment>Where the line cuts the x-axis and the y-axis (&quot;sn&quot; for snijpunt, intersection).</extracomment>
        <translation>sn X: %1  sn Y: %2</translation>
    </message>
    <message>
        <source>sn X: %1</source>
        <translation>sn X: %1</translation>
    </message>
    <message>
        <source>  sn Y: %1</source>
        <translation>  sn Y: %1</translation>
    </message>
    <message>
        <source>x²+y²%1x%2y%3=0</source>
        <extracomment>The circle x² + y² + 2ax + 2by + c = 0, each coefficient with its sign.</extracomment>
        <translation>x²+y²%1x%2y%3=0</translation>
    </message>
    <message>
        <source>No circle</source>
        <translation>Geen cirkel</translation>
    </message>
    <message>
        <source>m(%1 , %2)  R=%3</source>
        <extracomment>The circle&apos;s centre m(x , y) and its radius R.</extracomment>
        <translation>M(%1 , %2)  r=%3</translation>
    </message>
    <message>
        <source>No intersection</source>
        <translation>Geen snijpunt</translation>
    </message>
    <message>
        <source>Contact:%1</source>
        <extracomment>The one point where the line touches the circle.</extracomment>
        <translation>Raakpunt:%1</translation>
    </message>
    <message>
        <source>No line</source>
        <extracomment>A stored line has u = v = 0, so it is no line at all.</extracomment>
        <translation>Geen lijn</translation>
    </message>
    <message>
        <source>%1x%2y%3=0</source>
        <extracomment>The line ux + vy + w = 0, each coefficient with its sign.</extracomment>
        <translation>%1x%2y%3=0</translation>
    </message>
    <message>
        <source>Lines coincides</source>
        <extracomment>The two lines are one and the same.</extracomment>
        <translation>Lijnen vallen samen</translation>
    </message>
    <message>
        <source>Int X:%1  sn Y: %2</source>
        <extracomment>Where the line cuts the x-axis (&quot;Int&quot; for intercept) and the y-axis (&quot;sn&quot; for snijpunt, intersection).</extracomment>
        <translation>sn X:%1  sn Y:%2</translation>
    </message>
    <message>
        <source>Int Y:%1</source>
        <translation>sn Y:%1</translation>
    </message>
    <message>
        <source>y=%1x²%2x%3</source>
        <extracomment>The parabola y = ax² + bx + c, each coefficient with its sign.</extracomment>
        <translation>y=%1x²%2x%3</translation>
    </message>
    <message>
        <source>No parabola</source>
        <translation>Geen parabool</translation>
    </message>
    <message>
        <source>T(%1 , %2)</source>
        <extracomment>The vertex (&quot;top&quot;) T(x , y) of the parabola.</extracomment>
        <translation>T(%1 , %2)</translation>
    </message>
    <message>
        <source>Snijpunt:%1</source>
        <extracomment>&quot;Intersection:&quot;, in Dutch already: where a vertical line cuts the parabola.</extracomment>
        <translation>Snijpunt:%1</translation>
    </message>
    <message>
        <source>Point of contact:<byte value="xd"/>
%1</source>
        <extracomment>The one point where the line touches the parabola, on the next line.</extracomment>
        <translation>Raakpunt:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>cubic</name>
    <message>
        <source>none</source>
        <extracomment>No roots, no extrema or no point of inflection.</extracomment>
        <translation>geen</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The set of the real numbers, as the roots of the zero polynomial.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>y = %1x %2</source>
        <extracomment>The tangent line y = mx + q: %1 is the slope, %2 the intercept with its sign.</extracomment>
        <translation>y = %1x %2</translation>
    </message>
</context>
<context>
    <name>probability</name>
    <message>
        <source>Test %1: relative frequency %2</source>
        <extracomment>What the pointer reads on the diagram: %1 is the number of a test, %2 the relative frequency of the event after it.</extracomment>
        <translation>Proef %1: relatieve frequentie %2</translation>
    </message>
</context>
<context>
    <name>transformations</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>x²</source>
        <translation>x²</translation>
    </message>
    <message>
        <source>x³</source>
        <translation>x³</translation>
    </message>
    <message>
        <source>1/x</source>
        <translation>1/x</translation>
    </message>
    <message>
        <source>V¯x</source>
        <extracomment>The square root, written as a V with a macron over x.</extracomment>
        <translation>V¯x</translation>
    </message>
    <message>
        <source>³V¯x</source>
        <extracomment>The cube root, written as a V with a macron over x and a small 3 before it.</extracomment>
        <translation>³V¯x</translation>
    </message>
    <message>
        <source>f(x)+k</source>
        <translation>f(x)+k</translation>
    </message>
    <message>
        <source>f(x+k)</source>
        <translation>f(x+k)</translation>
    </message>
    <message>
        <source>kf(x)</source>
        <translation>kf(x)</translation>
    </message>
    <message>
        <source>f(kx)</source>
        <translation>f(kx)</translation>
    </message>
    <message>
        <source>f(x)</source>
        <translation>f(x)</translation>
    </message>
    <message>
        <source>kf(x-a)</source>
        <translation>kf(x-a)</translation>
    </message>
    <message>
        <source>k.f[c(x-a)]</source>
        <translation>k.f[c(x-a)]</translation>
    </message>
    <message>
        <source>k.f[c(x-a)]+b</source>
        <translation>k.f[c(x-a)]+b</translation>
    </message>
</context>
</TS>
