# Dice, events and comparisons, with scripted draws.
select Fst.List1 7
click Fst.Command1
echo "two dice, event: the sum is 7"
scroll Ff.VScroll1 9
scroll Ff.VScroll2 6
scroll Ff.VScroll3 5
type Ff.Text6 7
type Ff.Text4 4
random 0.34 0.5 0.9 0.95 0.2 0.7 0 0.1
click Ff.Command1
text Ff.Text8
text Ff.Text7
canvas Ff
echo "five dice, event: exactly two sixes"
type Ff.Text3 5
select Ff.List2 3
type Ff.Text5 6
type Ff.Text6 2
type Ff.Text4 2
random 0.9 0.2 0.95 0 0.4 0.9 0.9 0.9 0 0
click Ff.Command1
text Ff.Text8
text Ff.Text7
echo "three dice, product with a comparison: every die above 3"
type Ff.Text3 3
select Ff.List1 1
select Ff.List2 1
type Ff.Text5 3
type Ff.Text6 1
random 0.5 0.9 0.7 0.5 0.34 0.7
click Ff.Command1
text Ff.Text8
text Ff.Text7
echo "three dice, all different"
select Ff.List1 2
select Ff.List2 0
random 0.5 0.2 0.5 0 0.2 0.34
click Ff.Command1
text Ff.Text8
text Ff.Text7
echo "unequal with one result per test: always 1"
type Ff.Text3 1
type Ff.Text4 3
random 0.5 0.5 0.5
click Ff.Command1
text Ff.Text8
text Ff.Text7
echo "lowest above highest: results between them"
select Ff.List1 0
scroll Ff.VScroll1 1
type Ff.Text2 1
type Ff.Text6 9
random 0 0.99 0.5
click Ff.Command1
text Ff.Text1
text Ff.Text8
text Ff.Text7
echo "negative results are rounded down"
type Ff.Text1 -3
type Ff.Text2 -1
type Ff.Text6 -2
type Ff.Text4 1
random 0.5
click Ff.Command1
text Ff.Text8
text Ff.Text7
echo "no results per test: no draw, the value alone"
type Ff.Text3 0
type Ff.Text6 0
type Ff.Text4 2
random 0.9
click Ff.Command1
text Ff.Text8
text Ff.Text7
echo "a fractional number of tests counts by its whole part (the draw left over comes first)"
type Ff.Text1 0
type Ff.Text2 1
type Ff.Text3 1
type Ff.Text6 1
type Ff.Text4 3.7
random 0.9 0.1 0.1 0.9
click Ff.Command1
text Ff.Text8
text Ff.Text7
canvas Ff
type Ff.Text4 3.9
click Ff.Command1
messages
