# The factorised view: the worked examples and the degenerate degrees.
select Fst.List1 6
click Fst.Command1
click Fa.Option2
echo "a = 1, b = 0, c = -3, d = 0"
type Fa.Text2 1
type Fa.Text4 -3
click Fa.Command1
text Fa.Text6
text Fa.Text11
text Fa.Text7
text Fa.Text9
text Fa.Text8
text Fa.Text10
echo "a = 1, b = -6, c = 11, d = -6"
type Fa.Text3 -6
type Fa.Text4 11
type Fa.Text5 -6
click Fa.Command1
text Fa.Text6
text Fa.Text11
text Fa.Text7
text Fa.Text9
text Fa.Text8
text Fa.Text10
echo "the triple root of (x - 1)^3"
type Fa.Text3 -3
type Fa.Text4 3
type Fa.Text5 -1
click Fa.Command1
text Fa.Text6
text Fa.Text11
echo "Newton meets a zero derivative at its start value"
type Fa.Text2 4
type Fa.Text3 -3
type Fa.Text4 0
type Fa.Text5 1
click Fa.Command1
text Fa.Text6
text Fa.Text11
echo "all coefficients 0"
type Fa.Text2 0
type Fa.Text3 0
type Fa.Text4 0
type Fa.Text5 0
click Fa.Command1
text Fa.Text6
text Fa.Text11
text Fa.Text7
text Fa.Text9
text Fa.Text8
text Fa.Text10
echo "a = 0, b = 1, c = 0, d = -4"
type Fa.Text3 1
type Fa.Text5 -4
click Fa.Command1
text Fa.Text6
text Fa.Text11
text Fa.Text7
text Fa.Text9
text Fa.Text8
text Fa.Text10
echo "a = b = 0, c = 3, d = 1"
type Fa.Text3 0
type Fa.Text4 3
type Fa.Text5 1
click Fa.Command1
text Fa.Text6
text Fa.Text11
text Fa.Text7
text Fa.Text9
text Fa.Text8
text Fa.Text10
echo "a = 1, b = c = d = 0"
type Fa.Text2 1
type Fa.Text4 0
type Fa.Text5 0
click Fa.Command1
text Fa.Text6
text Fa.Text11
text Fa.Text7
text Fa.Text9
text Fa.Text8
text Fa.Text10
echo "a constant other than 0 has no roots"
type Fa.Text2 abc
type Fa.Text5 5
click Fa.Command1
text Fa.Text6
text Fa.Text11
messages
