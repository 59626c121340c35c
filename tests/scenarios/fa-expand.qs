# The expanded view of the worked examples, and the factorised results it empties.
select Fst.List1 6
click Fst.Command1
value Fa.Option1
echo "a = 1, b = 0, c = -3, d = 0"
type Fa.Text2 1
type Fa.Text4 -3
click Fa.Command1
text Fa.Text6
text Fa.Text7
text Fa.Text8
text Fa.Text11
text Fa.Text9
text Fa.Text10
echo "a = 1, b = -6, c = 11, d = -6, first factorised"
type Fa.Text3 -6
type Fa.Text4 11
type Fa.Text5 -6
click Fa.Option2
click Fa.Command1
text Fa.Text11
echo "Expand changes nothing until Plot"
click Fa.Option1
text Fa.Text6
text Fa.Text11
click Fa.Command1
text Fa.Text6
text Fa.Text7
text Fa.Text8
text Fa.Text11
text Fa.Text9
text Fa.Text10
echo "all coefficients 0"
type Fa.Text2 0
type Fa.Text3 0
type Fa.Text4 0
type Fa.Text5 0
click Fa.Command1
text Fa.Text6
text Fa.Text7
text Fa.Text8
messages
