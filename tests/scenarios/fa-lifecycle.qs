# What Plot clears, draws and writes, and in which order; what the sliders, End and a resize
# leave; failures.
select Fst.List1 6
click Fst.Command1
click Fa.Option2
type Fa.Text2 1
type Fa.Text3 -6
type Fa.Text4 11
type Fa.Text5 -6
echo "Plot clears the canvas before it draws: a second Plot draws as much, not twice as much"
click Fa.Command1
canvas Fa
click Fa.Command1
canvas Fa
echo "ticking Grid changes nothing until the next plot"
check Fa.Check1 1
canvas Fa
click Fa.Command1
canvas Fa
echo "a coefficient slider writes its box only"
scroll Fa.VScroll2 -2
text Fa.Text2
text Fa.Text6
canvas Fa
echo "the scale slider clears the canvas and leaves the texts"
scroll Fa.VScroll1 5
text Fa.Text1
canvas Fa
text Fa.Text6
text Fa.Text9
echo "End hides the window; opening it again shows it as it was left"
click Fa.Command1
click Fa.Command2
windows
select Fst.List1 6
click Fst.Command1
windows
text Fa.Text2
text Fa.Text6
text Fa.Text11
canvas Fa
echo "a resize clears the canvas and sizes it"
resize Fa 10185 7320
canvas Fa
resize Fa 9585 6720
canvas Fa
echo "a scale of 0: Fout, the axes only, and the texts still written"
type Fa.Text2 1
type Fa.Text1 0
click Fa.Command1
messages
canvas Fa
text Fa.Text6
text Fa.Text11
echo "a scale that is not a number reads as 0"
type Fa.Text1 x
click Fa.Command1
messages
echo "a coefficient too large: the drawing and the texts fail with one message, the result boxes are emptied"
type Fa.Text1 9
type Fa.Text2 1E308
click Fa.Command1
messages
canvas Fa
text Fa.Text6
text Fa.Text7
text Fa.Text11
echo "texts that cannot be written while the drawing succeeds: the discriminant overflows, the boxes are emptied"
type Fa.Text2 0
type Fa.Text3 1
type Fa.Text4 1E200
type Fa.Text5 0
click Fa.Command1
messages
canvas Fa
text Fa.Text6
text Fa.Text11
echo "the expanded view of the same has no discriminant"
click Fa.Option1
click Fa.Command1
messages
text Fa.Text6
text Fa.Text7
text Fa.Text8
text Fa.Text11
