# Storing lines and parabolas as the first or second figure, and their rows in List2.
select Fst.List1 "Lines and parabolas"
click Fst.Command1
echo "the line 2x - 3y + 6 = 0 as first and as second figure"
type Fg.Text5 2
type Fg.Text6 -3
type Fg.Text7 6
click Fg.Command4
click Fg.Command5
rows Fg.List2
echo "a vertical line, a horizontal line, an intercept rounded to three decimals"
type Fg.Text5 1
type Fg.Text6 0
type Fg.Text7 -4
click Fg.Command4
type Fg.Text5 0
type Fg.Text6 2
type Fg.Text7 3
click Fg.Command5
rows Fg.List2
type Fg.Text6 3
type Fg.Text7 1
click Fg.Command5
rows Fg.List2
echo "a line with u = v = 0 writes its prescription and keeps the row below it"
type Fg.Text6 0
type Fg.Text7 5
click Fg.Command5
rows Fg.List2
echo "parabolas: the vertex unrounded; a = 0 is no parabola"
select Fg.List1 1
type Fg.Text2 1
type Fg.Text3 -2
type Fg.Text4 -3
click Fg.Command4
type Fg.Text2 2
type Fg.Text3 1
type Fg.Text4 0
click Fg.Command5
rows Fg.List2
type Fg.Text2 0
type Fg.Text3 2
type Fg.Text4 1
click Fg.Command4
rows Fg.List2
echo "typed fractions and text that is no number"
type Fg.Text2 0.5
type Fg.Text3 "-.25x"
type Fg.Text4 abc
click Fg.Command4
rows Fg.List2
echo "storing does not touch the intersection text"
click Fg.Command6
text Fg.Text8
type Fg.Text2 1
click Fg.Command5
text Fg.Text8
echo "an overflow while storing: the message, and the rows and the store stay as they were"
select Fg.List1 0
type Fg.Text5 1
type Fg.Text6 1
type Fg.Text7 1E306
click Fg.Command4
messages
rows Fg.List2
select Fg.List1 1
type Fg.Text2 1
type Fg.Text3 1E200
type Fg.Text4 0
click Fg.Command5
messages
rows Fg.List2
click Fg.Command6
text Fg.Text8
